// Point markers: the nine shapes on pixels, their colours, the size rule, margins and hit testing.
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/core/ChartColor.h"
#include "chart/core/ChartException.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "chart/series/TSeriesPointer.h"

#include <gtest/gtest.h>

#include <QImage>

#include <string>
#include <vector>

using namespace rna::chart;

namespace {

// Draws one marker of half-size 2 centred on (4, 4) of a white 9 x 9 image and answers its pixels:
// '.' white, '#' black, 'r' red, '?' anything else.
std::vector<std::string> MarkerPixels(TSeriesPointerStyle style)
{
    TLineSeries series;
    TSeriesPointer& pointer = series.Pointer();
    pointer.SetHorizSize(2);
    pointer.SetVertSize(2);
    TChartCanvas3D canvas;
    canvas.BeginDrawing(nullptr, Rect{0, 0, 9, 9});
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(clWhite);
    canvas.FillRectangle(Rect{0, 0, 9, 9});
    pointer.Draw(canvas, 4, 4, style, clRed);
    canvas.EndDrawing(nullptr, QPoint());
    std::vector<std::string> rows;
    for (int y = 0; y < 9; ++y) {
        std::string row;
        for (int x = 0; x < 9; ++x) {
            const QColor c = canvas.Image().pixelColor(x, y);
            const TColor color = RgbColor(c.red(), c.green(), c.blue());
            row += color == clWhite ? '.' : color == clBlack ? '#' : color == clRed ? 'r' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

struct ShapeCase {
    const char* name;
    TSeriesPointerStyle style;
    std::vector<std::string> pixels;
};

class MarkerShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(MarkerShapeTest, DrawsItsShape)
{
    const std::vector<std::string> actual = MarkerPixels(GetParam().style);
    std::string picture;
    for (const auto& row : actual)
        picture += row + "\n";
    EXPECT_EQ(actual, GetParam().pixels) << picture;
}

// Rectangle: (2h + 1) x (2v + 1); circle: 2h x 2v with its corners empty; triangles with every vertex set; crosses in
// the point's colour; small dot: one pixel.
INSTANTIATE_TEST_SUITE_P(Styles, MarkerShapeTest,
                         ::testing::Values(ShapeCase{"Triangle",
                                                     TSeriesPointerStyle::psTriangle,
                                                     {".........", ".........", "....#....", "...##....", "...#r#...",
                                                      "..#rr#...", "..#####..", ".........", "........."}},
                                           ShapeCase{"DownTriangle",
                                                     TSeriesPointerStyle::psDownTriangle,
                                                     {".........", ".........", "..#####..", "..#rr#...", "...#r#...",
                                                      "...##....", "....#....", ".........", "........."}},
                                           ShapeCase{"Rectangle",
                                                     TSeriesPointerStyle::psRectangle,
                                                     {".........", ".........", "..#####..", "..#rrr#..", "..#rrr#..",
                                                      "..#rrr#..", "..#####..", ".........", "........."}},
                                           ShapeCase{"Circle",
                                                     TSeriesPointerStyle::psCircle,
                                                     {".........", ".........", "...##....", "..#rr#...", "..#rr#...",
                                                      "...##....", ".........", ".........", "........."}},
                                           ShapeCase{"Cross",
                                                     TSeriesPointerStyle::psCross,
                                                     {".........", ".........", "....r....", "....r....", "..rrrrr..",
                                                      "....r....", "....r....", ".........", "........."}},
                                           ShapeCase{"DiagCross",
                                                     TSeriesPointerStyle::psDiagCross,
                                                     {".........", ".........", "..r...r..", "...r.r...", "....r....",
                                                      "...r.r...", "..r...r..", ".........", "........."}},
                                           ShapeCase{"Star",
                                                     TSeriesPointerStyle::psStar,
                                                     {".........", ".........", "..r.r.r..", "...rrr...", "..rrrrr..",
                                                      "...rrr...", "..r.r.r..", ".........", "........."}},
                                           ShapeCase{"Diamond",
                                                     TSeriesPointerStyle::psDiamond,
                                                     {".........", ".........", "....#....", "...#r#...", "..#rrr#..",
                                                      "...#r#...", "....#....", ".........", "........."}},
                                           ShapeCase{"SmallDot",
                                                     TSeriesPointerStyle::psSmallDot,
                                                     {".........", ".........", ".........", ".........", "....r....",
                                                      ".........", ".........", ".........", "........."}}),
                         [](const auto& info) { return std::string(info.param.name); });

// A pointer pen or brush with a colour of its own keeps it; clUseSeriesColor takes the point's.
TEST(SeriesPointerTest, OwnColoursWinOverThePointColour)
{
    TLineSeries series;
    TSeriesPointer& pointer = series.Pointer();
    TChartCanvas3D canvas;
    pointer.PrepareCanvas(canvas, clRed);
    EXPECT_EQ(canvas.Pen().Color(), clBlack);
    EXPECT_EQ(canvas.Brush().Color(), clRed);
    EXPECT_EQ(canvas.Brush().Style(), TBrushStyle::bsSolid);
    pointer.Pen().SetColor(clUseSeriesColor);
    pointer.Brush().SetColor(clBlue);
    pointer.PrepareCanvas(canvas, clRed);
    EXPECT_EQ(canvas.Pen().Color(), clRed);
    EXPECT_EQ(canvas.Brush().Color(), clBlue);
    pointer.Pen().SetVisible(false);  // a hidden pen only becomes clear
    pointer.PrepareCanvas(canvas, clGreen);
    EXPECT_EQ(canvas.Pen().Style(), TPenStyle::psClear);
    EXPECT_NE(canvas.Pen().Color(), clGreen);
}

TEST(SeriesPointerTest, SizeBelowOneRaisesAndKeepsTheSize)
{
    TLineSeries series;
    TSeriesPointer& pointer = series.Pointer();
    for (int bad : {0, -3}) {
        try {
            pointer.SetHorizSize(bad);
            FAIL() << "no error for " << bad;
        } catch (const ChartException& error) {
            EXPECT_STREQ(error.what(), "Pointer size must be greater than zero");
        }
        EXPECT_THROW(pointer.SetVertSize(bad), ChartException);
    }
    EXPECT_EQ(pointer.HorizSize(), 4);
    EXPECT_EQ(pointer.VertSize(), 4);
    pointer.SetHorizSize(1);
    EXPECT_EQ(pointer.HorizSize(), 1);
}

TEST(SeriesPointerTest, KindDefaults)
{
    TLineSeries line;
    TPointSeries points;
    EXPECT_FALSE(line.Pointer().Visible());
    EXPECT_TRUE(line.DrawLine());
    EXPECT_TRUE(points.Pointer().Visible());
    EXPECT_FALSE(points.DrawLine());
    EXPECT_EQ(line.Pointer().Style(), TSeriesPointerStyle::psRectangle);
    EXPECT_TRUE(line.Pointer().InflateMargins());
    EXPECT_EQ(line.LinePen().Width(), 1);
    EXPECT_EQ(line.XValues().Order(), TChartListOrder::loAscending);
    EXPECT_EQ(line.YValues().Order(), TChartListOrder::loNone);
    EXPECT_EQ(line.XValues().Name(), "X");
    EXPECT_EQ(line.YValues().Name(), "Y");
    EXPECT_EQ(line.SeriesColor(), clUseSeriesColor);
    EXPECT_EQ(line.ValueFormat(), "#,##0.###");
    EXPECT_EQ(line.PercentFormat(), "##0.## %");
}

TEST(SeriesPointerTest, AssignFromAnotherKindHidesMarkersAndKeepsTheLine)
{
    TPointSeries points;
    points.SetSeriesColor(clRed);
    points.Pointer().SetStyle(TSeriesPointerStyle::psCircle);
    TLineSeries line;
    line.Assign(points);
    EXPECT_EQ(line.SeriesColor(), clRed);
    EXPECT_EQ(line.Pointer().Style(), TSeriesPointerStyle::psCircle);
    EXPECT_FALSE(line.Pointer().Visible());
    EXPECT_TRUE(line.DrawLine());
    TPointSeries back;
    back.Assign(line);
    EXPECT_FALSE(back.DrawLine());
}

struct MarginCase {
    const char* name;
    bool pointerVisible;
    bool inflate;
    bool stairs;
    int penWidth;
    int lineHeight;
    int left, right, top, bottom;
};

class SeriesMarginTest : public ::testing::TestWithParam<MarginCase> {};

TEST_P(SeriesMarginTest, AsksForRoomOnlyWhenMarkersOrStepsNeedIt)
{
    const MarginCase& c = GetParam();
    TLineSeries series;
    series.Pointer().SetVisible(c.pointerVisible);
    series.Pointer().SetInflateMargins(c.inflate);
    series.Pointer().SetHorizSize(2);
    series.Pointer().SetVertSize(3);
    series.SetStairs(c.stairs);
    series.LinePen().SetWidth(c.penWidth);
    series.SetLineHeight(c.lineHeight);
    int left = 1, right = 0, top = 0, bottom = 0;  // margins only grow
    series.CalcHorizMargins(left, right);
    series.CalcVerticalMargins(top, bottom);
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(right, c.right);
    EXPECT_EQ(top, c.top);
    EXPECT_EQ(bottom, c.bottom);
}

INSTANTIATE_TEST_SUITE_P(Cases, SeriesMarginTest,
                         ::testing::Values(MarginCase{"HiddenPointer", false, true, false, 3, 0, 1, 0, 0, 0},
                                           MarginCase{"VisiblePointer", true, true, false, 3, 0, 3, 3, 4, 4},
                                           MarginCase{"NoInflate", true, false, false, 3, 0, 1, 0, 0, 0},
                                           MarginCase{"StairsWidePen", false, true, true, 6, 0, 6, 6, 6, 7},
                                           MarginCase{"LineHeight", false, true, false, 1, 9, 1, 0, 0, 9}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
