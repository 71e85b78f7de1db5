// Pixel probes of the chart canvas' drawing rules on real images.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>
#include <QPalette>

#include "chart/canvas/CanvasStateSaver.h"
#include "chart/canvas/EllipseRaster.h"
#include "chart/canvas/TChartCanvas3D.h"

using namespace rna::chart;

namespace {

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF0000;
constexpr QRgb Blue = 0xFF0000FF;

// A canvas drawing into its own white off-screen image of the given size.
struct Drawing {
    TChartCanvas3D canvas;
    explicit Drawing(int width = 20, int height = 20)
    {
        canvas.BeginDrawing(nullptr, {0, 0, width, height});
        canvas.Brush().SetColor(clWhite);
        canvas.FillRectangle({0, 0, width, height});
    }
    QRgb At(int x, int y)
    {
        canvas.EndDrawing(nullptr, {});
        const QRgb rgb = canvas.Image().pixel(x, y);
        return rgb;
    }
    // The set pixels of one row or column, as a string of '#' and '.'.
    std::string Row(int y, int from, int to)
    {
        canvas.EndDrawing(nullptr, {});
        std::string row;
        for (int x = from; x <= to; ++x)
            row += canvas.Image().pixel(x, y) == White ? '.' : '#';
        return row;
    }
    std::string Column(int x, int from, int to)
    {
        canvas.EndDrawing(nullptr, {});
        std::string column;
        for (int y = from; y <= to; ++y)
            column += canvas.Image().pixel(x, y) == White ? '.' : '#';
        return column;
    }
    // The w x h pixels from (x0, y0) as rows of '.' white, '#' black, 'r' red, '?' anything else.
    std::vector<std::string> Picture(int x0, int y0, int w, int h)
    {
        canvas.EndDrawing(nullptr, {});
        std::vector<std::string> rows;
        for (int y = y0; y < y0 + h; ++y) {
            std::string row;
            for (int x = x0; x < x0 + w; ++x) {
                const QRgb c = canvas.Image().pixel(x, y);
                row += c == White ? '.' : c == Black ? '#' : c == Red ? 'r' : '?';
            }
            rows.push_back(row);
        }
        return rows;
    }
};

}  // namespace

TEST(CanvasDrawing, RectangleExcludesRightAndBottomEdges)
{
    Drawing d;
    d.canvas.Brush().SetColor(clRed);
    d.canvas.DrawRectangle(0, 0, 5, 5);
    EXPECT_EQ(d.Row(0, 0, 6), "#####..");
    EXPECT_EQ(d.Column(0, 0, 6), "#####..");
    EXPECT_EQ(d.Row(4, 0, 6), "#####..");
    EXPECT_EQ(d.Column(4, 0, 6), "#####..");
    EXPECT_EQ(d.At(2, 2), Red);
    EXPECT_EQ(d.At(0, 0), Black);
}

TEST(CanvasDrawing, FillRectangleAndClearBrush)
{
    Drawing d;
    d.canvas.Brush().SetColor(clBlue);
    d.canvas.FillRectangle({2, 3, 6, 5});
    EXPECT_EQ(d.Row(3, 0, 7), "..####..");
    EXPECT_EQ(d.Column(2, 1, 6), "..##..");
    Drawing clear;
    clear.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    clear.canvas.DrawRectangle(0, 0, 6, 6);
    EXPECT_EQ(clear.At(3, 3), White);
    EXPECT_EQ(clear.Row(5, 0, 6), "######.");
}

TEST(CanvasDrawing, LinesLeaveOutTheirEndPixelInEveryDirection)
{
    struct Case {
        int x0, y0, x1, y1;
        bool horizontal;
        int fixed;
        std::string expected;  // pixels 0..6 of the row (horizontal) or column
    };
    const Case cases[] = {
        {0, 0, 5, 0, true, 0, "#####.."},  {5, 0, 0, 0, true, 0, ".#####."}, {1, 2, 1, 6, false, 1, "..####."},
        {1, 6, 1, 2, false, 1, "...####"}, {3, 3, 3, 3, true, 3, "......."},
    };
    for (const Case& c : cases) {
        Drawing d;
        d.canvas.DrawLine(c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(c.horizontal ? d.Row(c.fixed, 0, 6) : d.Column(c.fixed, 0, 6), c.expected)
            << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
    }
}

TEST(CanvasDrawing, DiagonalLineStopsBeforeItsEnd)
{
    Drawing d;
    d.canvas.DrawLine(0, 0, 4, 4);
    EXPECT_EQ(d.At(0, 0), Black);
    EXPECT_EQ(d.At(3, 3), Black);
    EXPECT_EQ(d.At(4, 4), White);
    EXPECT_EQ(d.canvas.PenPosition(), QPoint(4, 4));
    Drawing back;
    back.canvas.DrawLine(8, 4, 0, 0);  // every major step sets one pixel, the end one left out
    EXPECT_EQ(back.Row(4, 0, 9), "........#.");
    EXPECT_EQ(back.At(0, 0), White);
    EXPECT_EQ(back.At(1, 0), Black);
}

// Slanted one-pixel lines in all eight directions: step i along the longer axis lies round(i * shorter /
// longer) steps across (halves away from the start), and nothing else is set.
TEST(CanvasDrawing, SlantedLinesSetTheRoundedPixelOfEveryStep)
{
    const QPoint ends[] = {{31, 12}, {12, 31}, {-31, 12}, {-12, -31}, {31, -16}, {-16, 31}, {7, 6}, {-6, -7}};
    for (const QPoint end : ends) {
        const int x0 = 40;
        const int y0 = 40;
        Drawing d(81, 81);
        d.canvas.DrawLine(x0, y0, x0 + end.x(), y0 + end.y());
        const int longer = std::max(std::abs(end.x()), std::abs(end.y()));
        const int shorter = std::min(std::abs(end.x()), std::abs(end.y()));
        std::vector<std::string> expected(81, std::string(81, '.'));
        for (int i = 0; i < longer; ++i) {
            const int across = (2 * i * shorter + longer) / (2 * longer);
            const bool alongX = std::abs(end.x()) >= std::abs(end.y());
            const int x = x0 + (end.x() < 0 ? -1 : 1) * (alongX ? i : across);
            const int y = y0 + (end.y() < 0 ? -1 : 1) * (alongX ? across : i);
            expected[std::size_t(y)][std::size_t(x)] = '#';
        }
        EXPECT_EQ(d.Picture(0, 0, 81, 81), expected) << end.x() << "," << end.y();
    }
}

TEST(CanvasDrawing, PolylineThroughLineToJoinsWithoutGaps)
{
    Drawing d;
    d.canvas.MovePenTo(1, 1);
    d.canvas.DrawLineTo(6, 1);
    d.canvas.DrawLineTo(6, 5);
    EXPECT_EQ(d.Row(1, 0, 7), ".######.");
    EXPECT_EQ(d.Column(6, 0, 6), ".####..");
}

TEST(CanvasDrawing, PenStylesOfOnePixelPens)
{
    struct Case {
        TPenStyle style;
        bool smallDots;
        std::string expected;  // pixels 0..13 of DrawLine(0, 0, 14, 0), transparent background
    };
    const Case cases[] = {
        {TPenStyle::psDot, false, "###...###...##"},
        {TPenStyle::psSolid, true, "#.#.#.#.#.#.#."},
        {TPenStyle::psClear, false, ".............."},
        {TPenStyle::psDash, false, "##############"},
    };
    for (const Case& c : cases) {
        Drawing d;
        d.canvas.SetTextBackMode(TRANSPARENT);
        TChartPen pen;
        pen.SetStyle(c.style);
        pen.SetSmallDots(c.smallDots);
        d.canvas.UseVisiblePen(pen);
        d.canvas.DrawLine(0, 0, 14, 0);
        EXPECT_EQ(d.Row(0, 0, 13), c.expected) << int(c.style) << " " << c.smallDots;
    }
}

// The pattern counts from the line's first pixel whichever way it runs; gaps in opaque mode take the text
// background colour ('r' below).
TEST(CanvasDrawing, StyledStraightLinesCountTheirPatternFromTheirStartEachWay)
{
    struct Case {
        const char* name;
        TPenStyle style;
        bool opaque;
        int x0, y0, x1, y1;
        std::string expected;  // pixels 0..13 of row 2 (horizontal lines) or column 2 (vertical ones)
    };
    const Case cases[] = {
        {"dots rightwards", TPenStyle::psDot, false, 0, 2, 14, 2, "###...###...##"},
        {"dots leftwards", TPenStyle::psDot, false, 13, 2, -1, 2, "##...###...###"},
        {"dots downwards", TPenStyle::psDot, false, 2, 0, 2, 14, "###...###...##"},
        {"dots upwards", TPenStyle::psDot, false, 2, 13, 2, -1, "##...###...###"},
        {"dash-dot upwards, opaque", TPenStyle::psDashDot, true, 2, 13, 2, 2, "...rr#########"},
        {"dash-dot-dot leftwards, opaque", TPenStyle::psDashDotDot, true, 13, 2, 0, 2, ".#rrr#########"},
    };
    for (const Case& c : cases) {
        Drawing d;
        d.canvas.SetTextBackMode(c.opaque ? OPAQUE : TRANSPARENT);
        d.canvas.SetTextBackColor(clRed);
        d.canvas.Pen().SetStyle(c.style);
        d.canvas.DrawLine(c.x0, c.y0, c.x1, c.y1);
        d.canvas.EndDrawing(nullptr, {});
        std::string drawn;
        for (int i = 0; i < 14; ++i) {
            const QRgb rgb = c.y0 == c.y1 ? d.canvas.Image().pixel(i, 2) : d.canvas.Image().pixel(2, i);
            drawn += rgb == White ? '.' : rgb == Red ? 'r' : '#';
        }
        EXPECT_EQ(drawn, c.expected) << c.name;
    }
}

TEST(CanvasDrawing, StyledLinesFillTheirGapsInOpaqueMode)
{
    Drawing d;
    d.canvas.SetTextBackMode(OPAQUE);
    d.canvas.SetTextBackColor(clRed);
    d.canvas.Pen().SetStyle(TPenStyle::psDot);
    d.canvas.DrawLine(0, 0, 8, 0);
    EXPECT_EQ(d.At(2, 0), Black);
    EXPECT_EQ(d.At(3, 0), Red);
    EXPECT_EQ(d.At(8, 0), White);
}

// Across the line a 2-pixel pen grows up (or left), a 3-pixel one both ways; along it both reach
// their end points, the 3-pixel pen one pixel further in its middle.
TEST(CanvasDrawing, WidePensAreCentredOnTheLine)
{
    struct Case {
        int width;
        std::string column;  // rows 2..8 of column 4 for a horizontal line at y = 5
        std::string row;  // pixels 0..9 of row 5
    };
    for (const Case& c : {Case{2, "..##...", "..#######."}, Case{3, "..###..", ".#########"}}) {
        Drawing d;
        d.canvas.Pen().SetWidth(c.width);
        d.canvas.DrawLine(2, 5, 8, 5);
        EXPECT_EQ(d.Column(4, 2, 8), c.column) << c.width;
        EXPECT_EQ(d.Row(5, 0, 9), c.row) << c.width;
    }
    Drawing up;
    up.canvas.Pen().SetWidth(3);
    up.canvas.DrawLine(5, 9, 5, 2);
    EXPECT_EQ(up.Column(5, 0, 10), ".##########");
    EXPECT_EQ(up.Row(5, 2, 8), "..###..");
}

// Wide pens end round, whichever way the line runs: the round end of a 3-pixel pen reaches one pixel
// past the end point in the middle of the line only; a 2-pixel line stops at its end points.
TEST(CanvasDrawing, WidePensEndRound)
{
    struct Case {
        int width;
        int x0, y0, x1, y1;
        std::vector<std::string> pixels;  // columns 2..8, rows 1..11
    };
    const std::vector<std::string> threeDown = {".......", "...#...", "..###..", "..###..", "..###..", "..###..",
                                                "..###..", "..###..", "..###..", "...#...", "......."};
    const std::vector<std::string> twoDown = {".......", ".......", "..##...", "..##...", "..##...", "..##...",
                                              "..##...", "..##...", "..##...", ".......", "......."};
    const std::vector<std::string> twoLeft = {".......", ".......", ".......", ".#####.", ".#####.", ".......",
                                              ".......", ".......", ".......", ".......", "......."};
    const std::vector<std::string> threeDot = {".......", ".......", ".......", "...#...", "..###..", "...#...",
                                               ".......", ".......", ".......", ".......", "......."};
    const Case cases[] = {
        {3, 5, 3, 5, 9, threeDown}, {3, 5, 9, 5, 3, threeDown}, {2, 5, 3, 5, 9, twoDown},
        {2, 5, 9, 5, 3, twoDown},   {2, 7, 5, 3, 5, twoLeft},   {3, 5, 5, 5, 5, threeDot},
    };
    for (const Case& c : cases) {
        Drawing d;
        d.canvas.Pen().SetWidth(c.width);
        d.canvas.DrawLine(c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(d.Picture(2, 1, 7, 11), c.pixels)
            << c.width << ": " << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1;
    }
}

// Wide pens join round: the outer corner pixel of a 3-pixel polyline or rectangle stays empty.
TEST(CanvasDrawing, WidePensJoinRound)
{
    Drawing line;
    line.canvas.Pen().SetWidth(3);
    line.canvas.MovePenTo(3, 3);
    line.canvas.DrawLineTo(10, 3);
    line.canvas.DrawLineTo(10, 10);
    EXPECT_EQ(line.Picture(8, 1, 5, 5), (std::vector<std::string>{".....", "###..", "####.", "####.", ".###."}));
    Drawing box;
    box.canvas.Pen().SetWidth(3);
    box.canvas.Brush().SetStyle(TBrushStyle::bsClear);
    box.canvas.DrawRectangle(3, 3, 11, 11);
    EXPECT_EQ(box.Picture(1, 1, 4, 4), (std::vector<std::string>{"....", "..##", ".###", ".###"}));
}

TEST(CanvasDrawing, ClipToPlotAreaLetsOnlyTheInsideThrough)
{
    Drawing d(130, 130);
    d.canvas.ClipToPlotArea({10, 20, 110, 120}, 0, 0);
    d.canvas.Brush().SetColor(clRed);
    d.canvas.FillRectangle({0, 0, 130, 130});
    EXPECT_EQ(d.At(11, 21), Red);
    EXPECT_EQ(d.At(109, 118), Red);
    EXPECT_EQ(d.At(10, 50), White);
    EXPECT_EQ(d.At(110, 50), White);
    EXPECT_EQ(d.At(50, 20), White);
    EXPECT_EQ(d.At(50, 119), White);
    d.canvas.BeginDrawing(nullptr, {0, 0, 130, 130});
    d.canvas.RemoveClip();
    d.canvas.PutPixel(0, 0, clBlue);
    EXPECT_EQ(d.At(0, 0), Blue);
}

TEST(CanvasDrawing, EllipseBoxExcludesRightAndBottom)
{
    Drawing d;
    d.canvas.Brush().SetColor(clRed);
    d.canvas.DrawEllipse(2, 2, 6, 6);
    EXPECT_EQ(d.Row(4, 0, 7), "..####..");
    EXPECT_EQ(d.Column(4, 0, 7), "..####..");
}

// Small ellipses are round: the outline leaves the box's corners empty, the brush fills its inside.
TEST(CanvasDrawing, SmallEllipsesAreRound)
{
    const std::vector<std::vector<std::string>> cases = {
        {"......", "..##..", ".#rr#.", ".#rr#.", "..##..", "......"},
        {".......", "..###..", ".#rrr#.", ".#rrr#.", ".#rrr#.", "..###..", "......."},
        {"........", "...##...", "..#rr#..", ".#rrrr#.", ".#rrrr#.", "..#rr#..", "...##...", "........"},
    };
    for (const auto& pixels : cases) {
        const int size = int(pixels.size()) - 2;  // the box (1, 1) - (1 + size, 1 + size)
        Drawing d;
        d.canvas.Brush().SetColor(clRed);
        d.canvas.DrawEllipse(1, 1, 1 + size, 1 + size);
        EXPECT_EQ(d.Picture(0, 0, size + 2, size + 2), pixels) << size;
    }
}

// A styled one-pixel outline runs its pattern along the curve: small dots set every other pixel.
TEST(CanvasDrawing, StyledEllipseOutlineFollowsTheCurve)
{
    Drawing d;
    TChartPen dots;
    dots.SetSmallDots(true);
    d.canvas.UseVisiblePen(dots);
    d.canvas.Brush().SetColor(clRed);
    d.canvas.DrawEllipse(2, 3, 14, 11);
    const std::vector<QPoint> outline = EllipseOutline(2, 3, 14, 11);
    for (std::size_t i = 0; i < outline.size(); ++i)
        EXPECT_EQ(d.At(outline[i].x(), outline[i].y()), i % 2 == 0 ? Black : White) << i;
    EXPECT_EQ(d.At(8, 7), Red);
}

// A wide outline grows around the one-pixel one as a wide line does and leaves the brush its inside.
TEST(CanvasDrawing, WideEllipseOutline)
{
    Drawing d;
    d.canvas.Pen().SetWidth(3);
    d.canvas.Brush().SetColor(clRed);
    d.canvas.DrawEllipse(2, 2, 10, 10);
    const std::vector<std::string> expected = {"............", "....####....", "...######...", "..########..",
                                               ".####rr####.", ".###rrrr###.", ".###rrrr###.", ".####rr####.",
                                               "..########..", "...######...", "....####....", "............"};
    EXPECT_EQ(d.Picture(0, 0, 12, 12), expected);
}

TEST(CanvasDrawing, PolygonOutlineCoversEveryVertex)
{
    Drawing d;
    d.canvas.Brush().SetColor(clRed);
    d.canvas.DrawPolygon({{2, 6}, {6, 6}, {4, 2}});
    EXPECT_EQ(d.Row(6, 0, 8), "..#####..");
    EXPECT_EQ(d.At(4, 2), Black);
    EXPECT_EQ(d.At(4, 5), Red);
}

TEST(CanvasDrawing, BevelDrawsTopLeftAndBottomRightColours)
{
    Drawing d;
    d.canvas.DrawBevel({0, 0, 5, 5}, clRed, clBlue, 1);
    EXPECT_EQ(d.At(0, 0), Red);
    EXPECT_EQ(d.At(3, 0), Red);
    EXPECT_EQ(d.At(0, 3), Red);
    EXPECT_EQ(d.At(0, 4), Blue);  // the bottom edge is drawn last, from right to left
    EXPECT_EQ(d.At(4, 0), Blue);
    EXPECT_EQ(d.At(4, 4), Blue);
    EXPECT_EQ(d.At(1, 4), Blue);
    EXPECT_EQ(d.At(5, 5), White);
    EXPECT_EQ(d.At(2, 2), White);
}

TEST(CanvasDrawing, PutPixelResolvesSystemColours)
{
    Drawing d;
    d.canvas.PutPixel(3, 3, clBtnFace);
    EXPECT_EQ(d.At(3, 3), QApplication::palette().color(QPalette::Active, QPalette::Button).rgb());
}

TEST(CanvasDrawing, GradientRunsFromStartToEndColour)
{
    Drawing d(10, 300);
    d.canvas.FillGradient({0, 0, 10, 300}, clBlack, clWhite, TGradientDirection::gdTopBottom);
    EXPECT_EQ(d.At(5, 0), Black);
    EXPECT_EQ(d.At(5, 299), White);
    EXPECT_LT(qRed(d.At(5, 100)), qRed(d.At(5, 200)));
}

TEST(CanvasDrawing, StateSaverRestoresPenBrushAndClip)
{
    Drawing d;
    d.canvas.Pen().SetColor(clRed);
    {
        CanvasStateSaver saver(d.canvas);
        d.canvas.Pen().SetColor(clBlue);
        d.canvas.Brush().SetStyle(TBrushStyle::bsClear);
        d.canvas.ClipToRect({0, 0, 2, 2});
    }
    EXPECT_EQ(d.canvas.Pen().Color(), clRed);
    EXPECT_EQ(d.canvas.Brush().Style(), TBrushStyle::bsSolid);
    EXPECT_FALSE(d.canvas.Clipped());
    d.canvas.DrawLine(0, 5, 5, 5);
    EXPECT_EQ(d.At(4, 5), Red);
}
