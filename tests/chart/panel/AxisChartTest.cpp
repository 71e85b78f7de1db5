// Axes inside a chart: repaint requests, checks while loading, automatic ends, the layout of a drawing.
#include "chart/axis/AxisLayout.h"
#include "chart/axis/PaintAxis.h"
#include "chart/axis/TChartAxis.h"
#include "chart/core/AxisException.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

using namespace rna::chart;

namespace {

// A chart set up as the single-input screen's: flat, no bevel, fixed axes, bottom title.
void SetUpSingleInputChart(TChart& chart)
{
    chart.resize(433, 177);
    chart.SetView3D(false);
    chart.SetBevelOuter(TBevelCut::bvNone);
    TChartAxis& bottom = *chart.BottomAxis();
    bottom.SetAutomatic(false);
    bottom.SetMaximum(10.05);
    bottom.SetMinimum(-10.05);
    bottom.SetIncrement(2);
    bottom.SetLabelsOnAxis(false);
    bottom.TicksInner().SetVisible(false);
    bottom.Title().SetCaption(QStringLiteral("Intrare neta"));
    TChartAxis& left = *chart.LeftAxis();
    left.SetAutomatic(false);
    left.SetMaximum(1.05);
    left.SetMinimum(-1.05);
}

void Draw(TChart& chart)
{
    chart.DrawChart(nullptr, {0, 0, chart.width(), chart.height()});
}

int TextWidth(TChart& chart, const TChartFont& font, const char* text)
{
    chart.Canvas().Font().Assign(font);
    return chart.Canvas().TextWidthOf(QString::fromLatin1(text));
}

}  // namespace

TEST(AxisChartTest, RefusedOrEqualSettingsScheduleNoRedraw)
{
    TChart chart;
    SetUpSingleInputChart(chart);
    Draw(chart);
    ASSERT_FALSE(chart.Canvas().Dirty());
    TChartAxis& left = *chart.LeftAxis();
    EXPECT_THROW(left.SetMinimum(2), AxisException);
    EXPECT_THROW(left.SetIncrement(-1), AxisException);
    left.SetMaximum(1.05);
    left.SetLabelsOnAxis(true);
    EXPECT_FALSE(chart.Canvas().Dirty());
    left.SetMaximum(1.5);
    EXPECT_TRUE(chart.Canvas().Dirty());
    Draw(chart);
    left.Grid().SetColor(clRed);  // owned pens report through ChangeNotify
    EXPECT_TRUE(chart.Canvas().Dirty());
    Draw(chart);
    left.Title().SetCaption(QStringLiteral("y"));
    EXPECT_TRUE(chart.Canvas().Dirty());
}

TEST(AxisChartTest, RangeChecksAreOffWhileLoading)
{
    TChart chart;
    TChartAxis& left = *chart.LeftAxis();
    chart.SetLoading(true);
    left.SetMinimum(5);  // before its Maximum, as a description may store them
    left.SetMaximum(9);
    left.SetAutomatic(false);  // while loading the end flags stay as stored
    EXPECT_TRUE(left.AutomaticMinimum());
    chart.SetLoading(false);
    EXPECT_EQ(left.Minimum(), 5);
    EXPECT_EQ(left.Maximum(), 9);
    EXPECT_THROW(left.SetMinimum(10), AxisException);
}

TEST(AxisChartTest, AutomaticEndsFollowTheSeries)
{
    TChart chart;
    chart.SetView3D(false);
    chart.resize(300, 200);
    TLineSeries series;
    series.Pointer().SetVisible(false);
    series.SetParentChart(&chart);
    for (int x = -3; x <= 5; ++x)
        series.AddPoint(x, std::tanh(x));
    Draw(chart);
    EXPECT_EQ(chart.BottomAxis()->Minimum(), -3);
    EXPECT_EQ(chart.BottomAxis()->Maximum(), 5);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), std::tanh(-3));
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Maximum(), std::tanh(5));
    EXPECT_EQ(chart.BottomAxis()->EffectiveLabelStyle(), TAxisLabelStyle::talValue);
    EXPECT_EQ(chart.TopAxis()->EffectiveLabelStyle(), TAxisLabelStyle::talNone);
    // The axis ends map to the plotting area's ends.
    EXPECT_EQ(chart.BottomAxis()->ValueToPixel(-3), chart.PlotRect().Left);
    EXPECT_EQ(chart.BottomAxis()->ValueToPixel(5), chart.PlotRect().Right);

    chart.LeftAxis()->SetAutomaticMaximum(false);
    chart.LeftAxis()->SetMaximum(2);
    Draw(chart);
    EXPECT_EQ(chart.LeftAxis()->Maximum(), 2);
    EXPECT_DOUBLE_EQ(chart.LeftAxis()->Minimum(), std::tanh(-3));
}

TEST(AxisChartTest, VisiblePointersWidenAutomaticRanges)
{
    TChart chart;
    chart.SetView3D(false);
    chart.resize(300, 200);
    TLineSeries series;
    series.Pointer().SetVisible(true);
    series.Pointer().SetInflateMargins(true);
    series.SetParentChart(&chart);
    series.AddPoint(0, 0);
    series.AddPoint(10, 1);
    Draw(chart);
    const TChartAxis& bottom = *chart.BottomAxis();
    EXPECT_LT(bottom.RangeLow(), 0);
    EXPECT_GT(bottom.RangeHigh(), 10);
    EXPECT_GT(bottom.ValueToPixel(0), bottom.StartPixel());
    EXPECT_LT(bottom.ValueToPixel(10), bottom.EndPixel());
}

TEST(AxisChartTest, LeftLabelBandSettlesAfterTheFirstDrawing)
{
    TChart chart;
    SetUpSingleInputChart(chart);
    TLineSeries series;  // puts the bottom and left axes in use
    series.SetParentChart(&chart);
    series.AddPoint(0, 0);
    const TChartFont& font = chart.LeftAxis()->LabelsFont();
    const int blank = TextWidth(chart, font, " ");
    const int margin = 13;  // MulDiv(3, 433, 100)

    Draw(chart);
    // Nothing measured yet: the step is 1e-12 and the unrounded ends are measured.
    EXPECT_EQ(chart.PlotRect().Left, margin + TextWidth(chart, font, "-1.05") + blank + 6);
    chart.ScheduleRedraw();
    Draw(chart);
    EXPECT_EQ(chart.PlotRect().Left, margin + TextWidth(chart, font, "-1") + blank + 6);
    EXPECT_EQ(AxisLinePosition(*chart.LeftAxis(), chart.PlotRect()), chart.PlotRect().Left);
    EXPECT_EQ(chart.LeftAxis()->LabelsPos, margin + TextWidth(chart, font, "-1") + blank);

    // The bottom axis takes title, labels and ticks: 2h + 6 above the bottom margin.
    chart.Canvas().Font().Assign(chart.BottomAxis()->LabelsFont());
    const int h = chart.Canvas().FontHeight();
    EXPECT_EQ(chart.PlotRect().Bottom, 170 - 2 * h - 6);
    EXPECT_EQ(AxisLinePosition(*chart.BottomAxis(), chart.PlotRect()), chart.PlotRect().Bottom);
}

TEST(AxisChartTest, SingleInputChartGridLines)
{
    TChart chart;
    SetUpSingleInputChart(chart);
    TLineSeries series;
    series.SetParentChart(&chart);
    // Active but empty: the axes label their values and nothing else is drawn.
    Draw(chart);
    chart.ScheduleRedraw();
    Draw(chart);
    const QImage image = chart.Canvas().Image().convertToFormat(QImage::Format_RGB32);
    const Rect plot = chart.PlotRect();
    const QRgb gray = qRgb(128, 128, 128);
    int gridColumns = 0;
    for (int x = plot.Left + 1; x < plot.Right; ++x) {
        int n = 0;
        for (int y = plot.Top + 1; y < plot.Bottom; ++y)
            n += image.pixel(x, y) == gray ? 1 : 0;
        gridColumns += n > plot.Height() / 3 ? 1 : 0;
    }
    EXPECT_EQ(gridColumns, 11);  // -10, -8, ..., 10
    int gridRows = 0;
    for (int y = plot.Top + 1; y < plot.Bottom; ++y) {
        int n = 0;
        for (int x = plot.Left + 1; x < plot.Right; ++x)
            n += image.pixel(x, y) == gray ? 1 : 0;
        gridRows += n > plot.Width() / 3 ? 1 : 0;
    }
    EXPECT_EQ(gridRows, 3);  // 1, 0 and -1
}

// The 2-pixel left and bottom axis lines meet without a notch: the left one reaches down to the
// bottom one's row, so the outer corner pixel is set; neither reaches past the other.
TEST(AxisChartTest, AxisLinesMeetWithoutANotch)
{
    TChart chart;
    SetUpSingleInputChart(chart);
    Draw(chart);
    const QImage image = chart.Canvas().Image().convertToFormat(QImage::Format_RGB32);
    const Rect plot = chart.PlotRect();
    const QRgb black = qRgb(0, 0, 0);
    for (int x = plot.Left - 2; x <= plot.Left + 1; ++x) {
        for (int y = plot.Bottom - 1; y <= plot.Bottom + 1; ++y) {
            const bool line = x >= plot.Left - 1 && y <= plot.Bottom;
            EXPECT_EQ(image.pixel(x, y) == black, line) << x << "," << y;
        }
    }
}
