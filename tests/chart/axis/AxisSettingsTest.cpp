// Axis settings: defaults, the range rules and their messages, the automatic flags, SetRange.
#include "chart/axis/TChartAxis.h"
#include "chart/axis/TChartDepthAxis.h"
#include "chart/core/AxisException.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

using namespace rna::chart;

namespace {

// Runs `change` and answers the message of the AxisException (or ChartException) it raised.
template <class E>
std::string ErrorOf(const std::function<void()>& change)
{
    try {
        change();
    } catch (const E& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace

TEST(AxisSettingsTest, Defaults)
{
    TChartAxis a(nullptr);
    EXPECT_TRUE(a.Automatic());
    EXPECT_TRUE(a.AutomaticMaximum());
    EXPECT_TRUE(a.AutomaticMinimum());
    EXPECT_EQ(a.Maximum(), 0);
    EXPECT_EQ(a.Minimum(), 0);
    EXPECT_EQ(a.Increment(), 0);
    EXPECT_FALSE(a.Inverted());
    EXPECT_FALSE(a.Logarithmic());
    EXPECT_EQ(a.LogarithmicBase(), 10);
    EXPECT_TRUE(a.Labels());
    EXPECT_EQ(a.LabelsAngle(), 0);
    EXPECT_EQ(a.LabelsFont().Name(), QStringLiteral("Arial"));
    EXPECT_EQ(a.LabelsFont().Size(), 8);
    EXPECT_EQ(a.LabelsFont().Color(), clBlack);
    EXPECT_FALSE(a.LabelsMultiLine());
    EXPECT_TRUE(a.LabelsOnAxis());
    EXPECT_EQ(a.LabelsSeparation(), 10);
    EXPECT_EQ(a.LabelsSize(), 0);
    EXPECT_EQ(a.LabelStyle(), TAxisLabelStyle::talAuto);
    EXPECT_EQ(a.AxisValuesFormat(), QStringLiteral("#,##0.###"));
    EXPECT_TRUE(a.DateTimeFormat().isEmpty());
    EXPECT_TRUE(a.ExactDateTime());
    EXPECT_TRUE(a.RoundFirstLabel());
    EXPECT_EQ(a.Axis().Width(), 2);
    EXPECT_EQ(a.Axis().Color(), clBlack);
    EXPECT_TRUE(a.Axis().Visible());
    EXPECT_EQ(a.Grid().Color(), clGray);
    EXPECT_EQ(a.Grid().Style(), TPenStyle::psDot);
    EXPECT_TRUE(a.Grid().Visible());
    EXPECT_FALSE(a.GridCentered());
    EXPECT_FALSE(a.MinorGrid().Visible());
    EXPECT_EQ(a.Ticks().Color(), clGray);
    EXPECT_EQ(a.Ticks().Style(), TPenStyle::psSolid);
    EXPECT_EQ(a.TickLength(), 4);
    EXPECT_TRUE(a.TicksInner().Visible());
    EXPECT_EQ(a.TickInnerLength(), 0);
    EXPECT_TRUE(a.MinorTicks().Visible());
    EXPECT_EQ(a.MinorTickLength(), 2);
    EXPECT_EQ(a.MinorTickCount(), 3);
    EXPECT_TRUE(a.TickOnLabelsOnly());
    EXPECT_TRUE(a.Title().Caption().isEmpty());
    EXPECT_EQ(a.Title().Angle(), 0);
    EXPECT_EQ(a.TitleSize(), 0);
    EXPECT_EQ(a.StartPosition(), 0);
    EXPECT_EQ(a.EndPosition(), 100);
    EXPECT_EQ(a.PositionPercent(), 0);
    EXPECT_TRUE(a.Visible());

    TChartDepthAxis depth(nullptr);
    EXPECT_FALSE(depth.Visible());
    EXPECT_TRUE(depth.IsDepth());
}

TEST(AxisSettingsTest, RangeEndsMustStayOrdered)
{
    TChartAxis a(nullptr);
    a.SetMaximum(1);
    a.SetMinimum(-1);
    // The screens set Maximum first, then Minimum.
    a.SetMaximum(10.05);
    a.SetMinimum(-10.05);
    EXPECT_EQ(a.Maximum(), 10.05);
    EXPECT_EQ(a.Minimum(), -10.05);

    TChartAxis b(nullptr);
    b.SetMaximum(1);
    b.SetMinimum(-1);
    EXPECT_EQ(ErrorOf<AxisException>([&] { b.SetMinimum(2); }), "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(b.Minimum(), -1);
    EXPECT_EQ(ErrorOf<AxisException>([&] { b.SetMaximum(-2); }), "Axis Maximum Value must be >= Minimum");
    EXPECT_EQ(b.Maximum(), 1);
    EXPECT_EQ(ErrorOf<AxisException>([&] { b.SetMaximum(NAN); }), "Axis Maximum Value must be >= Minimum");
    b.SetMaximum(-1);  // equal ends are fine
    EXPECT_EQ(b.Maximum(), -1);
    b.SetMinimum(-1);
    EXPECT_EQ(b.Minimum(), -1);
}

TEST(AxisSettingsTest, CheckedSettingsKeepTheirOldValue)
{
    TChartAxis a(nullptr);
    a.SetIncrement(2);
    struct Row {
        std::function<void()> change;
        std::string message;
    };
    const Row axisErrors[] = {
        {[&] { a.SetIncrement(-1); }, "Axis increment must be >= 0"},
        {[&] { a.SetIncrement(NAN); }, "Axis increment must be >= 0"},
        {[&] { a.SetLabelsSeparation(-1); }, "Labels Separation % must be greater than 0"},
        {[&] { a.SetLogarithmicBase(1); }, "Axis Logarithmic Base should be >= 2"},
    };
    for (const Row& r : axisErrors)
        EXPECT_EQ(ErrorOf<AxisException>(r.change), r.message);
    const Row chartErrors[] = {
        {[&] { a.SetLabelsAngle(360); }, "Axis Labels Angle must be between 0 and 359 degrees"},
        {[&] { a.SetLabelsAngle(-1); }, "Axis Labels Angle must be between 0 and 359 degrees"},
        {[&] { a.Title().SetAngle(400); }, "Axis Title Angle must be between 0 and 359 degrees"},
    };
    for (const Row& r : chartErrors)
        EXPECT_EQ(ErrorOf<ChartException>(r.change), r.message);
    EXPECT_EQ(a.Increment(), 2);
    EXPECT_EQ(a.LabelsSeparation(), 10);
    EXPECT_EQ(a.LogarithmicBase(), 10);
    EXPECT_EQ(a.LabelsAngle(), 0);
    EXPECT_EQ(a.Title().Angle(), 0);

    a.SetIncrement(0);  // 0 means automatic
    a.SetLabelsSeparation(0);
    a.SetLabelsAngle(359);
    a.SetLogarithmicBase(2);
    EXPECT_EQ(a.Increment(), 0);
    EXPECT_EQ(a.LabelsSeparation(), 0);
    EXPECT_EQ(a.LabelsAngle(), 359);
    EXPECT_EQ(a.LogarithmicBase(), 2);
}

TEST(AxisSettingsTest, LogarithmicNeedsNonNegativeEnds)
{
    TChartAxis a(nullptr);
    a.SetRange(-1, 10);
    EXPECT_EQ(ErrorOf<AxisException>([&] { a.SetLogarithmic(true); }),
              "Logarithmic Axis Min and Max values should be >= 0");
    EXPECT_FALSE(a.Logarithmic());
    a.SetRange(1, 10);
    a.SetLogarithmic(true);
    EXPECT_TRUE(a.Logarithmic());
}

TEST(AxisSettingsTest, AutomaticFlagsFollowEachOther)
{
    TChartAxis a(nullptr);
    a.SetAutomatic(false);
    EXPECT_FALSE(a.AutomaticMinimum());
    EXPECT_FALSE(a.AutomaticMaximum());
    a.SetAutomaticMinimum(true);
    EXPECT_FALSE(a.Automatic());  // the maximum is still fixed
    a.SetAutomaticMaximum(true);
    EXPECT_TRUE(a.Automatic());
    a.SetAutomaticMaximum(false);
    EXPECT_FALSE(a.Automatic());
    EXPECT_TRUE(a.AutomaticMinimum());  // turning one end off leaves the other alone
    a.SetAutomatic(true);
    EXPECT_TRUE(a.AutomaticMaximum());
    EXPECT_TRUE(a.AutomaticMinimum());
}

TEST(AxisSettingsTest, SetRangeFixesBothEndsWithoutChecks)
{
    struct Row {
        double low, high, minimum, maximum;
    };
    const Row rows[] = {
        {5, 1, 1, 5},
        {3, 3, 3, 3 + 1e-10},
        {-10.05, 10.05, -10.05, 10.05},
        {100, -100, -100, 100},
    };
    for (const Row& r : rows) {
        TChartAxis a(nullptr);
        a.SetMaximum(50);
        a.SetMinimum(40);
        a.SetRange(r.low, r.high);
        EXPECT_EQ(a.Minimum(), r.minimum);
        EXPECT_EQ(a.Maximum(), r.maximum);
        EXPECT_FALSE(a.Automatic());
        EXPECT_FALSE(a.AutomaticMinimum());
        EXPECT_FALSE(a.AutomaticMaximum());
    }
}

TEST(AxisSettingsTest, ResolveRangeUsesFixedEnds)
{
    TChartAxis a(nullptr);
    a.SetAutomatic(false);
    a.SetMaximum(10.05);
    a.SetMinimum(-10.05);
    a.ResolveRange();
    EXPECT_EQ(a.RangeLow(), -10.05);
    EXPECT_EQ(a.RangeHigh(), 10.05);
    EXPECT_DOUBLE_EQ(a.RangeSpan(), 20.1);

    TChartAxis automatic(nullptr);  // no chart, no series: both ends 0
    automatic.SetMaximum(5);
    automatic.ResolveRange();
    EXPECT_EQ(automatic.Maximum(), 0);
    EXPECT_EQ(automatic.RangeSpan(), 0);
}

TEST(AxisSettingsTest, ValueFormatPatternsAreCheckedWhenSet)
{
    TChartAxis a(nullptr);
    a.SetAxisValuesFormat(QStringLiteral("0.00"));
    EXPECT_EQ(a.AxisValuesFormat(), QStringLiteral("0.00"));
    EXPECT_EQ(a.FormatAxisLabel(1.5), QStringLiteral("1.50"));
    EXPECT_THROW(a.SetAxisValuesFormat(QStringLiteral("0.00%")), ChartException);
    EXPECT_EQ(a.AxisValuesFormat(), QStringLiteral("0.00"));
}
