// How axes take their bands from the plotting area.
#include "chart/axis/AxisLayout.h"
#include "chart/axis/TChartAxis.h"
#include "chart/canvas/TChartCanvas3D.h"

#include <gtest/gtest.h>

using namespace rna::chart;

namespace {

// A bottom or left axis over a fixed range, as the screens set them.
void FixRange(TChartAxis& axis, double low, double high)
{
    axis.SetAutomatic(false);
    axis.SetMaximum(high);
    axis.SetMinimum(low);
    axis.SetLabelStyle(TAxisLabelStyle::talValue);
    axis.ResolveRange();
}

int FontHeightOf(TChartCanvas& canvas, const TChartFont& font)
{
    canvas.Font().Assign(font);
    return canvas.FontHeight();
}

}  // namespace

TEST(AxisLayoutTest, TickBand)
{
    TChartAxis a(nullptr);
    EXPECT_EQ(TickBandSize(a), 6);
    a.Ticks().SetVisible(false);
    EXPECT_EQ(TickBandSize(a), 2);
    a.SetMinorTickLength(5);
    EXPECT_EQ(TickBandSize(a), 5);
    a.MinorTicks().SetVisible(false);
    EXPECT_EQ(TickBandSize(a), 2);
    a.Axis().SetVisible(false);
    EXPECT_EQ(TickBandSize(a), 0);
}

TEST(AxisLayoutTest, BottomAxisTakesTitleLabelAndTickBands)
{
    TChartCanvas3D canvas;
    TChartAxis bottom(nullptr);
    bottom.SetIsHorizontal(true);
    FixRange(bottom, -10.05, 10.05);
    const int h = FontHeightOf(canvas, bottom.LabelsFont());
    ASSERT_GT(h, 0);

    Rect r{13, 20, 420, 170};
    ReserveAxisSpace(bottom, r, canvas);
    EXPECT_EQ(r, (Rect{13, 20, 420, 170 - h - 6}));
    EXPECT_EQ(bottom.LabelsPos, 170 - h);

    bottom.Title().SetCaption(QStringLiteral("Intrare neta"));
    r = {13, 20, 420, 170};
    ReserveAxisSpace(bottom, r, canvas);
    EXPECT_EQ(r.Bottom, 170 - 2 * h - 6);
    EXPECT_EQ(bottom.TitlePos, 170 - h);
    EXPECT_EQ(bottom.LabelsPos, 170 - 2 * h);

    bottom.SetLabelsSize(30);
    bottom.SetTitleSize(7);
    r = {13, 20, 420, 170};
    ReserveAxisSpace(bottom, r, canvas);
    EXPECT_EQ(r.Bottom, 170 - 7 - 30 - 6);
}

TEST(AxisLayoutTest, LeftAxisTakesTheWidestLabel)
{
    TChartCanvas3D canvas;
    TChartAxis left(nullptr);
    FixRange(left, -1.05, 1.05);
    left.PlaceAxisEnds(20, 110);
    canvas.Font().Assign(left.LabelsFont());
    // Step 1: candidates -1 and 1; "-1" is wider; one blank is added.
    const int expected = canvas.TextWidthOf(QStringLiteral("-1")) + canvas.TextWidthOf(QStringLiteral(" "));
    EXPECT_EQ(left.WidestLabel(canvas), expected);

    Rect r{13, 20, 420, 130};
    ReserveAxisSpace(left, r, canvas);
    EXPECT_EQ(r.Left, 13 + expected + 6);
    EXPECT_EQ(left.LabelsPos, 13 + expected);

    // First drawing: no pixels yet, so the step is 1e-12 and the unrounded ends are measured.
    left.PlaceAxisEnds(0, 0);
    const int first = canvas.TextWidthOf(QStringLiteral("-1.05")) + canvas.TextWidthOf(QStringLiteral(" "));
    EXPECT_EQ(left.WidestLabel(canvas), first);
}

TEST(AxisLayoutTest, TitleOfALeftAxisStandsUpright)
{
    TChartCanvas3D canvas;
    TChartAxis left(nullptr);
    left.SetDefaultTitleAngle(90);
    left.SetLabels(false);
    left.Title().SetCaption(QStringLiteral("Iesire"));
    const int h = FontHeightOf(canvas, left.Title().Font());
    Rect r{10, 10, 200, 100};
    ReserveAxisSpace(left, r, canvas);
    EXPECT_EQ(r.Left, 10 + h + 6);
    EXPECT_EQ(left.TitlePos, 10 + h);

    left.Title().SetAngle(0);  // level text on a vertical axis takes its width
    r = {10, 10, 200, 100};
    ReserveAxisSpace(left, r, canvas);
    canvas.Font().Assign(left.Title().Font());
    EXPECT_EQ(r.Left, 10 + canvas.TextWidthOf(QStringLiteral("Iesire")) + 6);
}

TEST(AxisLayoutTest, FarSideAxesAndPositionOffset)
{
    TChartCanvas3D canvas;
    TChartAxis top(nullptr);
    top.SetIsHorizontal(true);
    top.SetIsFarSide(true);
    top.SetLabels(false);
    Rect r{0, 0, 100, 100};
    ReserveAxisSpace(top, r, canvas);
    EXPECT_EQ(r, (Rect{0, 6, 100, 100}));

    TChartAxis right(nullptr);
    right.SetIsFarSide(true);
    right.SetLabels(false);
    r = {0, 0, 100, 100};
    ReserveAxisSpace(right, r, canvas);
    EXPECT_EQ(r, (Rect{0, 0, 94, 100}));

    TChartAxis bottom(nullptr);
    bottom.SetIsHorizontal(true);
    bottom.SetPositionPercent(10);
    EXPECT_EQ(AxisPositionOffset(bottom, 150, 200), 130);
    right.SetPositionPercent(10);
    EXPECT_EQ(AxisPositionOffset(right, 150, 200), 130);
    TChartAxis left(nullptr);
    left.SetPositionPercent(10);
    EXPECT_EQ(AxisPositionOffset(left, 150, 200), 170);
}

TEST(AxisLayoutTest, AnAxisThatWouldUseUpTheAreaTakesNothing)
{
    TChartCanvas3D canvas;
    TChartAxis bottom(nullptr);
    bottom.SetIsHorizontal(true);
    bottom.SetLabels(false);
    TChartAxis left(nullptr);
    left.SetLabelsSize(500);
    const std::vector<AxisSlot> axes{{&bottom, true, 0}, {nullptr, false, 0}, {&left, true, 0}};
    EXPECT_EQ(LayoutAxes(axes, {10, 10, 110, 60}, canvas), (Rect{10, 10, 110, 54}));

    left.SetLabelsSize(20);
    EXPECT_EQ(LayoutAxes(axes, {10, 10, 110, 60}, canvas), (Rect{36, 10, 110, 54}));
    const std::vector<AxisSlot> unused{{&bottom, false, 0}, {nullptr, false, 0}, {&left, false, 0}};
    EXPECT_EQ(LayoutAxes(unused, {10, 10, 110, 60}, canvas), (Rect{10, 10, 110, 60}));
}
