// Line series drawing checked on pixels: segments, markers over segments, clipping, gaps, limits.
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/core/ChartColor.h"
#include "chart/scale/AxisScale.h"
#include "chart/series/TLineSeries.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

using namespace rna::chart;

namespace {

constexpr int ImageWidth = 220;
constexpr int ImageHeight = 120;

// A white image with a plotting rectangle (10, 10, 210, 110); x from -10 to 10 over 200 pixels
// (10 pixels per unit, x = 0 at pixel 110) and y from -5 to 5 over 100 pixels (y = 0 at pixel 60).
class SeriesPlot {
public:
    // `ratio`: device pixels to each of the plot's own.
    explicit SeriesPlot(double ratio = 1)
    {
        canvas_.BeginDrawing(nullptr, Rect{0, 0, ImageWidth, ImageHeight}, ratio);
        canvas_.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas_.Brush().SetColor(clWhite);
        canvas_.FillRectangle(Rect{0, 0, ImageWidth, ImageHeight});
        horiz_.Horizontal = true;
        horiz_.SetRange(-10, 10);
        horiz_.SetPixels(10, 210);
        vert_.Horizontal = false;
        vert_.SetRange(-5, 5);
        vert_.SetPixels(10, 110);
    }

    void Paint(TLineSeries& series, bool clip = true)
    {
        series.Paint(SeriesPaintContext{canvas_, horiz_, vert_, PlotRect}, clip);
    }

    const QImage& Finish()
    {
        canvas_.EndDrawing(nullptr, QPoint());
        return canvas_.Image();
    }

    TChartCanvas3D& Canvas() { return canvas_; }
    // x = -10 at the right end, 10 at the left.
    void InvertHorizontal() { horiz_.Inverted = true; }

    static constexpr Rect PlotRect{10, 10, 210, 110};

private:
    TChartCanvas3D canvas_;
    AxisScale horiz_;
    AxisScale vert_;
};

TColor ColorAt(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return RgbColor(c.red(), c.green(), c.blue());
}

int CountNotWhite(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += ColorAt(image, x, y) != clWhite;
    return count;
}

// The pixels of a w x h block as text rows: '.' white, '#' black, 'r' red, 'g' green, '?' other.
std::vector<std::string> Pattern(const QImage& image, int x0, int y0, int w, int h)
{
    std::vector<std::string> rows;
    for (int y = y0; y < y0 + h; ++y) {
        std::string row;
        for (int x = x0; x < x0 + w; ++x) {
            const TColor c = ColorAt(image, x, y);
            row += c == clWhite ? '.' : c == clBlack ? '#' : c == clRed ? 'r' : c == clGreen ? 'g' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

int PixelX(double x)
{
    return 110 + static_cast<int>(x * 10);
}
int PixelY(double y)
{
    return 60 - static_cast<int>(y * 10);
}

void UseCircleMarkers(TLineSeries& series)
{
    series.SetSeriesColor(clRed);
    series.Pointer().SetVisible(true);
    series.Pointer().SetStyle(TSeriesPointerStyle::psCircle);
    series.Pointer().SetHorizSize(2);
    series.Pointer().SetVertSize(2);
}

// The red curve of the single-input screen: 21 points, each with a 4 x 4 circle marker of black outline
// and red fill, lying over the segments; the segments between the markers are red.
TEST(LineSeriesDrawTest, CurveWithCircleMarkersOverItsSegments)
{
    TLineSeries series;
    UseCircleMarkers(series);
    for (int i = -10; i <= 10; ++i)
        series.AddPoint(i * 0.9, 0);  // a flat line through the middle of every marker
    SeriesPlot plot;
    plot.Paint(series);
    const QImage& image = plot.Finish();
    EXPECT_EQ(series.FirstValueIndex(), 0);
    EXPECT_EQ(series.LastValueIndex(), 20);
    // Around each marker centre (x, y), columns x - 3 .. x + 2 and rows y - 3 .. y + 2: a round 4 x 4
    // outline (black, its corners empty) around a red 2 x 2 inside; the red line enters and leaves
    // through the outline, which stays black because the marker is drawn after both segments.
    for (int i = 0; i < 21; ++i) {
        const int x = 110 + static_cast<int>(std::lround((i - 10) * 9.0));
        const std::string middle = std::string(i > 0 ? "r" : ".") + "#rr#" + (i < 20 ? "r" : ".");
        const std::vector<std::string> expected = {"......", "..##..", ".#rr#.", middle, "..##..", "......"};
        EXPECT_EQ(Pattern(image, x - 3, 57, 6, 6), expected) << "marker " << i;
    }
    // Between markers the segment is red.
    EXPECT_EQ(ColorAt(image, 115, 60), clRed);
}

// Segments take the colour of the point they end at.
TEST(LineSeriesDrawTest, SegmentColourComesFromItsEndPoint)
{
    TLineSeries series;
    series.SetSeriesColor(clRed);
    series.AddPoint(-4, 0);
    series.AddPoint(0, 0, "", clBlue);
    series.AddPoint(4, 0);
    SeriesPlot plot;
    plot.Paint(series);
    const QImage& image = plot.Finish();
    EXPECT_EQ(ColorAt(image, PixelX(-2), 60), clBlue);
    EXPECT_EQ(ColorAt(image, PixelX(2), 60), clRed);
}

struct VerticalCase {
    const char* name;
    int penWidth;
    int firstColumn;  // columns covered by the line
    int lastColumn;
    int top;  // rows covered in every column: the line runs up from y = 105 to y = 15
    int bottom;
    int tips;  // rows of the round ends beyond top and bottom, in the middle column only
};

class VerticalLineTest : public ::testing::TestWithParam<VerticalCase> {};

// The green net-input line: 21 points sharing x = 2.5 make a vertical line in the pen's width.
TEST_P(VerticalLineTest, EqualXPointsDrawAVerticalLineInThePenWidth)
{
    const VerticalCase& c = GetParam();
    TLineSeries series;
    series.SetSeriesColor(clGreen);
    series.LinePen().SetWidth(c.penWidth);
    for (int i = -10; i <= 10; ++i)
        series.AddPoint(2.5, i * 0.45);
    SeriesPlot plot;
    plot.Paint(series);
    const QImage& image = plot.Finish();
    const int x = PixelX(2.5);  // 135
    for (int y = 20; y <= 100; y += 5) {
        SCOPED_TRACE(y);
        for (int column = c.firstColumn; column <= c.lastColumn; ++column)
            EXPECT_EQ(ColorAt(image, column, y), clGreen) << "column " << column;
        EXPECT_EQ(ColorAt(image, c.firstColumn - 1, y), clWhite);
        EXPECT_EQ(ColorAt(image, c.lastColumn + 1, y), clWhite);
    }
    EXPECT_EQ(x, 135);
    // The ends: a one-pixel line leaves out its end pixel, wider pens end round.
    for (int column = c.firstColumn; column <= c.lastColumn; ++column) {
        SCOPED_TRACE(column);
        const int tips = column == x ? c.tips : 0;
        EXPECT_EQ(ColorAt(image, column, c.top), clGreen);
        EXPECT_EQ(ColorAt(image, column, c.bottom), clGreen);
        EXPECT_EQ(ColorAt(image, column, c.top - tips), clGreen);
        EXPECT_EQ(ColorAt(image, column, c.bottom + tips), clGreen);
        EXPECT_EQ(ColorAt(image, column, c.top - tips - 1), clWhite);
        EXPECT_EQ(ColorAt(image, column, c.bottom + tips + 1), clWhite);
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, VerticalLineTest,
                         ::testing::Values(VerticalCase{"OnePixel", 1, 135, 135, 16, 105, 0},
                                           VerticalCase{"TwoPixels", 2, 134, 135, 15, 105, 0},
                                           VerticalCase{"ThreePixels", 3, 134, 136, 15, 105, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ColumnCase {
    const char* name;
    std::vector<double> y;  // the points' y values, all at x = 2.5
    int penWidth;
    TPenStyle style;
    TPenMode mode;
    int redFrom;  // points from this index on are red (the others green); -1: all green
};

class ColumnRunTest : public ::testing::TestWithParam<std::tuple<ColumnCase, double>> {};

// Points sharing a column are drawn as few lines as give the same pixels: whatever the pen, the order of the
// points, their colours and the device pixel ratio, the series draws what its segments drawn one at a time (each
// as a series of its two points) draw.
TEST_P(ColumnRunTest, AColumnOfSegmentsDrawsWhatItsSegmentsDrawOneByOne)
{
    const auto& [c, ratio] = GetParam();
    const auto styled = [&](TLineSeries& series) {
        series.SetSeriesColor(clGreen);
        series.LinePen().SetWidth(c.penWidth);
        series.LinePen().SetStyle(c.style);
        series.LinePen().SetMode(c.mode);
    };
    const auto color = [&](std::size_t i) { return c.redFrom >= 0 && int(i) >= c.redFrom ? clRed : clGreen; };
    TLineSeries column;
    styled(column);
    column.XValues().SetOrder(TChartListOrder::loNone);
    for (std::size_t i = 0; i < c.y.size(); ++i)
        column.AddPoint(2.5, c.y[i], QString(), color(i));
    SeriesPlot whole(ratio);
    whole.Paint(column);

    SeriesPlot oneByOne(ratio);
    for (std::size_t i = 1; i < c.y.size(); ++i) {
        TLineSeries segment;
        styled(segment);
        segment.XValues().SetOrder(TChartListOrder::loNone);
        segment.AddPoint(2.5, c.y[i - 1], QString(), color(i - 1));
        segment.AddPoint(2.5, c.y[i], QString(), color(i));
        oneByOne.Paint(segment);
    }
    const QImage& expected = oneByOne.Finish();
    const QImage& drawn = whole.Finish();
    ASSERT_EQ(drawn.size(), expected.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            differing += drawn.pixel(x, y) != expected.pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_GT(CountNotWhite(drawn), 0);
}

std::vector<double> Rising(int count, double step)
{
    std::vector<double> y;
    for (int i = 0; i < count; ++i)
        y.push_back(-4.5 + i * step);
    return y;
}

INSTANTIATE_TEST_SUITE_P(
    PensOrdersAndRatios, ColumnRunTest,
    ::testing::Combine(
        ::testing::Values(
            ColumnCase{"RisingOnePixel", Rising(21, 0.45), 1, TPenStyle::psSolid, TPenMode::pmCopy, -1},
            ColumnCase{"RisingThreePixels", Rising(21, 0.45), 3, TPenStyle::psSolid, TPenMode::pmCopy, -1},
            ColumnCase{"FallingTwoPixels", {4, 2.5, 1, 0.2, -0.3, -4}, 2, TPenStyle::psSolid, TPenMode::pmCopy, -1},
            ColumnCase{
                "RepeatedPointsFourPixels", {-3, -3, -1, -1, -1, 2, 4, 4}, 4, TPenStyle::psSolid, TPenMode::pmCopy, -1},
            ColumnCase{"BackAndForth", {-3, 1, 0, 3, -2, -4, 4}, 3, TPenStyle::psSolid, TPenMode::pmCopy, -1},
            ColumnCase{"ColourChangesHalfWay", Rising(9, 1), 3, TPenStyle::psSolid, TPenMode::pmCopy, 5},
            ColumnCase{"Dashed", Rising(21, 0.45), 1, TPenStyle::psDash, TPenMode::pmCopy, -1},
            ColumnCase{"DottedWide", Rising(11, 0.9), 3, TPenStyle::psDot, TPenMode::pmCopy, -1},
            ColumnCase{"Xor", Rising(21, 0.45), 3, TPenStyle::psSolid, TPenMode::pmXor, -1},
            ColumnCase{"SteepTiny", Rising(21, 0.04), 2, TPenStyle::psSolid, TPenMode::pmCopy, -1}),
        ::testing::Values(1.0, 1.5, 2.0)),
    [](const auto& info) {
        const double ratio = std::get<1>(info.param);
        return std::string(std::get<0>(info.param).name) + (ratio == 1 ? "" : ratio == 2 ? "Ratio2" : "Ratio1_5");
    });

// A common x left of the plot draws nothing; right of it only the first point is drawn (clipped away).
TEST(LineSeriesDrawTest, PointsOutsideThePlotAreaDrawNothing)
{
    for (double x : {-11.0, 11.0}) {
        SCOPED_TRACE(x);
        TLineSeries series;
        UseCircleMarkers(series);
        for (int i = -10; i <= 10; ++i)
            series.AddPoint(x, i * 0.45);
        SeriesPlot plot;
        plot.Paint(series);
        EXPECT_EQ(CountNotWhite(plot.Finish()), 0);
        EXPECT_EQ(series.FirstValueIndex(), x < 0 ? -1 : 0);
        EXPECT_EQ(series.LastValueIndex(), x < 0 ? -1 : 0);
    }
}

// With nothing visible, the draw events do not run either.
TEST(LineSeriesDrawTest, NoVisiblePointRunsNoDrawEvents)
{
    TLineSeries series;
    int events = 0;
    series.BeforeDrawValues = [&](TChartSeries&) { ++events; };
    series.AfterDrawValues = [&](TChartSeries&) { ++events; };
    SeriesPlot plot;
    plot.Paint(series);  // no points
    series.AddPoint(-20, 0);
    plot.Paint(series);  // left of the plot
    EXPECT_EQ(events, 0);
    series.AddPoint(0, 0);
    plot.Paint(series);
    EXPECT_EQ(events, 2);
}

// An empty point in the middle leaves out both segments that would touch it and its marker.
TEST(LineSeriesDrawTest, EmptyPointLeavesAGap)
{
    TLineSeries series;
    UseCircleMarkers(series);
    series.AddPoint(-4, 0);
    series.AddPoint(-2, 0);
    series.AddEmptyPointXY(0, 0);
    series.AddPoint(2, 0);
    series.AddPoint(4, 0);
    SeriesPlot plot;
    plot.Paint(series);
    const QImage& image = plot.Finish();
    EXPECT_EQ(ColorAt(image, PixelX(-3), 60), clRed);
    EXPECT_EQ(ColorAt(image, PixelX(-1), 60), clWhite);
    EXPECT_EQ(ColorAt(image, PixelX(0), 60), clWhite);  // no marker
    EXPECT_EQ(ColorAt(image, PixelX(0) - 2, 60), clWhite);
    EXPECT_EQ(ColorAt(image, PixelX(1), 60), clWhite);
    EXPECT_EQ(ColorAt(image, PixelX(3), 60), clRed);
    for (double x : {-4.0, -2.0, 2.0, 4.0})
        EXPECT_EQ(ColorAt(image, PixelX(x) - 2, 60), clBlack) << "marker at " << x;
}

struct LimitCase {
    const char* name;
    double farX;  // maps to this pixel: 110 + farX * 10
    bool drawn;
};

class PixelLimitTest : public ::testing::TestWithParam<LimitCase> {};

// A point whose pixel lies beyond +-32766 is skipped: the line joins its neighbours directly.
TEST_P(PixelLimitTest, FarPointsAreSkipped)
{
    TLineSeries series;
    series.SetSeriesColor(clRed);
    series.XValues().SetOrder(TChartListOrder::loNone);
    series.AddPoint(0, 0);
    series.AddPoint(GetParam().farX, 0);
    series.AddPoint(5, -2);
    SeriesPlot plot;
    plot.Paint(series);
    const QImage& image = plot.Finish();
    // The segment towards the far point would run right along y = 0.
    EXPECT_EQ(ColorAt(image, 200, 60) == clRed, GetParam().drawn);
    // Without it, point 0 joins point 2 directly.
    EXPECT_EQ(ColorAt(image, PixelX(2.5), PixelY(-1)) == clRed, !GetParam().drawn);
}

INSTANTIATE_TEST_SUITE_P(Limits, PixelLimitTest,
                         ::testing::Values(LimitCase{"At32766", 3265.6, true}, LimitCase{"At32767", 3265.7, false},
                                           LimitCase{"AtMinus32767", -3287.7, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The first visible point has hidden points before it: the line starts on the plot's left edge at
// the height interpolated between the hidden point and the first visible one.
TEST(LineSeriesDrawTest, LineEntersFromTheLeftEdgeAtTheInterpolatedHeight)
{
    TLineSeries series;
    series.SetSeriesColor(clRed);
    series.AddPoint(-12, -5);
    series.AddPoint(0, 5);
    SeriesPlot plot;
    plot.Paint(series, false);
    const QImage& image = plot.Finish();
    EXPECT_EQ(series.FirstValueIndex(), 1);
    // y at x = -10: (5 + 5) * 2 / 12 - 5 = -3.33, pixel 60 + 33 = 93.
    EXPECT_EQ(ColorAt(image, 10, 93), clRed);
    EXPECT_EQ(ColorAt(image, 9, 93), clWhite);
    // Nothing of the hidden point's own position (x = -12 is pixel -10) is drawn.
    for (int y = 0; y < ImageHeight; ++y)
        EXPECT_EQ(ColorAt(image, 5, y), clWhite);
}

TEST(LineSeriesDrawTest, OnAnInvertedAxisTheLineEntersFromTheRightEdge)
{
    TLineSeries series;
    series.SetSeriesColor(clRed);
    series.AddPoint(-12, -5);
    series.AddPoint(0, 5);
    SeriesPlot plot;
    plot.InvertHorizontal();
    plot.Paint(series, false);
    const QImage& image = plot.Finish();
    EXPECT_EQ(series.FirstValueIndex(), 1);
    EXPECT_EQ(ColorAt(image, 210, 93), clRed);
    EXPECT_EQ(ColorAt(image, 211, 93), clWhite);
}

// A lone visible point gets its marker at once; it has no segment.
TEST(LineSeriesDrawTest, OnlyVisiblePointGetsItsMarker)
{
    TLineSeries series;
    UseCircleMarkers(series);
    series.AddPoint(0, 0);
    SeriesPlot plot;
    plot.Paint(series);
    const QImage& image = plot.Finish();
    const std::vector<std::string> expected = {"......", "..##..", ".#rr#.", ".#rr#.", "..##..", "......"};
    EXPECT_EQ(Pattern(image, 107, 57, 6, 6), expected);
}

TEST(LineSeriesDrawTest, EntryFromAnEmptyHiddenPointDrawsNoSegment)
{
    TLineSeries series;
    series.SetSeriesColor(clRed);
    series.AddEmptyPointXY(-12, -5);
    series.AddPoint(0, 4);
    series.AddPoint(4, 4);
    SeriesPlot plot;
    plot.Paint(series);
    const QImage& image = plot.Finish();
    EXPECT_EQ(ColorAt(image, 60, 60), clWhite);
    EXPECT_EQ(ColorAt(image, PixelX(2), PixelY(4)), clRed);
}

// Stairs: horizontal first, then vertical; inverted stairs the other way round.
TEST(LineSeriesDrawTest, StairsAndInvertedStairs)
{
    for (bool inverted : {false, true}) {
        SCOPED_TRACE(inverted);
        TLineSeries series;
        series.SetSeriesColor(clRed);
        series.SetStairs(true);
        series.SetInvertedStairs(inverted);
        series.AddPoint(-4, -2);
        series.AddPoint(4, 2);
        SeriesPlot plot;
        plot.Paint(series);
        const QImage& image = plot.Finish();
        const int lowY = PixelY(-2);
        const int highY = PixelY(2);
        // The corner lies at (x1, y0), or at (x0, y1) when inverted.
        EXPECT_EQ(ColorAt(image, PixelX(0), inverted ? highY : lowY), clRed);
        EXPECT_EQ(ColorAt(image, PixelX(0), inverted ? lowY : highY), clWhite);
        EXPECT_EQ(ColorAt(image, inverted ? PixelX(-4) : PixelX(4), PixelY(0)), clRed);
        EXPECT_EQ(ColorAt(image, inverted ? PixelX(4) : PixelX(-4), PixelY(0)), clWhite);
        EXPECT_EQ(ColorAt(image, PixelX(0), PixelY(0)), clWhite);
    }
}

// Series drawing is clipped to the inside of the plotting rectangle.
TEST(LineSeriesDrawTest, ClippedToTheInsideOfThePlotRectangle)
{
    TLineSeries series;
    series.SetSeriesColor(clRed);
    series.LinePen().SetWidth(3);
    series.AddPoint(-10, -5);
    series.AddPoint(-10, 5);
    series.AddPoint(10, 5);
    SeriesPlot plot;
    plot.Paint(series);
    const QImage& image = plot.Finish();
    EXPECT_EQ(ColorAt(image, 10, 50), clWhite);  // the left column of PlotRect
    EXPECT_EQ(ColorAt(image, 11, 50), clRed);
    EXPECT_EQ(ColorAt(image, 100, 10), clWhite);  // the top row
    EXPECT_EQ(ColorAt(image, 100, 11), clRed);
}

}  // namespace
