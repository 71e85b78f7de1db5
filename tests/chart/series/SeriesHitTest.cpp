// A series inside a real chart: drawn by the chart after its axes, and found again under the mouse.
#include "chart/axis/TChartAxis.h"
#include "chart/core/ChartColor.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace rna::chart;

namespace {

// A flat chart whose bottom axis runs from -10 to 10 and left axis from -5 to 5, with one series.
class ChartWithSeries {
public:
    ChartWithSeries()
    {
        chart.SetView3D(false);
        chart.resize(240, 160);
        chart.BottomAxis()->SetAutomatic(false);
        chart.BottomAxis()->SetMaximum(10);
        chart.BottomAxis()->SetMinimum(-10);
        chart.LeftAxis()->SetAutomatic(false);
        chart.LeftAxis()->SetMaximum(5);
        chart.LeftAxis()->SetMinimum(-5);
        series.SetSeriesColor(clRed);
        series.SetParentChart(&chart);
    }

    void Draw() { chart.DrawChart(nullptr, Rect{0, 0, 240, 160}); }
    int X(double x) const { return chart.BottomAxis()->ValueToPixel(x); }
    int Y(double y) const { return chart.LeftAxis()->ValueToPixel(y); }

    TChart chart;
    TLineSeries series;
};

TColor ColorAt(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return RgbColor(c.red(), c.green(), c.blue());
}

TEST(SeriesHitTest, ChartDrawsTheSeriesThroughItsAxes)
{
    ChartWithSeries setup;
    setup.series.AddPoint(-5, -2);
    setup.series.AddPoint(5, 2);
    setup.Draw();
    const QImage& image = setup.chart.Canvas().Image();
    const int x = setup.X(0);
    const int y = setup.Y(0);
    EXPECT_EQ(ColorAt(image, x, y), clRed);
    EXPECT_EQ(setup.series.FirstValueIndex(), 0);
    EXPECT_EQ(setup.series.LastValueIndex(), 1);
}

TEST(SeriesHitTest, ClickFindsMarkersPointsAndSegments)
{
    ChartWithSeries setup;
    setup.series.Pointer().SetVisible(true);
    setup.series.Pointer().SetHorizSize(3);
    setup.series.Pointer().SetVertSize(3);
    setup.series.AddPoint(-5, 0);
    setup.series.AddPoint(0, 0);
    setup.series.AddPoint(5, 3);
    EXPECT_EQ(setup.series.Clicked(setup.X(0), setup.Y(0)), -1);  // nothing drawn yet
    setup.Draw();
    int pointerClicks = 0;
    int clickedIndex = -1;
    setup.series.OnClickPointer = [&](TCustomSeries&, int index, int, int) {
        ++pointerClicks;
        clickedIndex = index;
    };
    EXPECT_EQ(setup.series.Clicked(setup.X(0) + 2, setup.Y(0) - 2), 1);  // inside the marker
    EXPECT_EQ(pointerClicks, 1);
    EXPECT_EQ(clickedIndex, 1);
    EXPECT_EQ(setup.series.Clicked(setup.X(0) - 3, setup.Y(0)), 0);  // just outside the marker, on segment 0 - 1
    EXPECT_EQ(setup.series.Clicked(setup.X(-2.5), setup.Y(0)), 0);
    EXPECT_EQ(setup.series.Clicked(setup.X(-2.5), setup.Y(0) - 10), -1);
    setup.series.SetClickableLine(false);
    EXPECT_EQ(setup.series.Clicked(setup.X(-2.5), setup.Y(0)), -1);
    setup.series.Pointer().SetVisible(false);
    EXPECT_EQ(setup.series.Clicked(setup.X(5), setup.Y(3)), 2);  // exactly on the point
    EXPECT_EQ(setup.series.Clicked(setup.X(5) + 1, setup.Y(3)), -1);
    EXPECT_EQ(pointerClicks, 1);
}

TEST(SeriesHitTest, StairSegmentsAreHitOnBothLegs)
{
    ChartWithSeries setup;
    setup.series.SetStairs(true);
    setup.series.AddPoint(-5, -2);
    setup.series.AddPoint(5, 2);
    setup.Draw();
    EXPECT_EQ(setup.series.Clicked(setup.X(0), setup.Y(-2)), 0);  // horizontal leg
    EXPECT_EQ(setup.series.Clicked(setup.X(5), setup.Y(0)), 0);  // vertical leg
    EXPECT_EQ(setup.series.Clicked(setup.X(0), setup.Y(0)), -1);  // the diagonal is not drawn
}

}  // namespace
