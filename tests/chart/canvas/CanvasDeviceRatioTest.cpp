// The canvas at device pixel ratios: lines keep one width, straight shapes cover their cells, and what slopes or
// is text is drawn at the device's resolution rather than enlarged from the chart's own pixels.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "chart/canvas/TChartCanvas3D.h"
#include "tests/common/Enlargement.h"

using namespace rna::chart;
using rna::test::RepeatsLikeAnEnlargement;

namespace {

constexpr QRgb White = 0xFFFFFFFF;

// A canvas drawing a w x h chart of its own pixels into a white image at `ratio`.
struct RatioDrawing {
    TChartCanvas3D canvas;
    RatioDrawing(int width, int height, double ratio)
    {
        canvas.BeginDrawing(nullptr, {0, 0, width, height}, ratio);
        canvas.Brush().SetColor(clWhite);
        canvas.FillRectangle({0, 0, width, height});
        canvas.Brush().SetColor(clRed);
    }
    const QImage& Image()
    {
        if (canvas.Drawing())
            canvas.EndDrawing(nullptr, {});
        return canvas.Image();
    }
};

// The lengths of the runs of non-white pixels along a row or a column of the image.
std::vector<int> InkRuns(const QImage& image, bool alongRow, int index)
{
    std::vector<int> runs;
    const int length = alongRow ? image.width() : image.height();
    int run = 0;
    for (int i = 0; i <= length; ++i) {
        const bool ink = i < length && (alongRow ? image.pixel(i, index) : image.pixel(index, i)) != White;
        if (ink) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

}  // namespace

// Vertical and horizontal lines one, two and three pixels wide, at ten neighbouring positions: at every ratio
// each comes out round(ratio x width) device pixels wide wherever it lies, though the cells of the chart's
// pixels alternate in size at a fractional ratio.
TEST(CanvasDeviceRatio, LinesAreRoundRatioTimesWidthWideAtEveryPosition)
{
    for (const double ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0}) {
        for (const int width : {1, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "ratio " << ratio << ", width " << width);
            RatioDrawing d(100, 100, ratio);
            d.canvas.Pen().SetWidth(width);
            d.canvas.Pen().SetColor(clBlack);
            for (int i = 0; i < 10; ++i) {
                d.canvas.DrawVertLine(4 + 6 * i, 2, 20);
                d.canvas.DrawHorizLine(70, 98, 30 + 6 * i);
            }
            const QImage& image = d.Image();
            const int expected = std::max(1, int(std::lround(ratio * width)));
            const std::vector<int> across = InkRuns(image, true, int(10 * ratio));
            const std::vector<int> down = InkRuns(image, false, int(85 * ratio));
            EXPECT_EQ(across, std::vector<int>(10, expected));
            EXPECT_EQ(down, std::vector<int>(10, expected));
        }
    }
}

// What runs straight (fills, one-pixel outlines and lines, dotted lines, single pixels, clipping) covers the
// cells of its pixels, so at ratio 2 it is exactly the ratio-1 drawing with every pixel doubled.
TEST(CanvasDeviceRatio, StraightDrawingAtRatioTwoIsTheRatioOneDrawingDoubled)
{
    const auto draw = [](TChartCanvas3D& canvas) {
        canvas.Pen().SetColor(clBlack);
        canvas.DrawRectangle(2, 3, 17, 12);
        canvas.Pen().SetStyle(TPenStyle::psDot);
        canvas.DrawHorizLine(1, 24, 15);
        canvas.DrawVertLine(21, 1, 19);
        canvas.Pen().SetStyle(TPenStyle::psSolid);
        canvas.Pen().SetColor(clBlue);
        canvas.DrawLine(23, 18, 5, 18);  // leftwards: its start pixel set, its end pixel left out
        canvas.PutPixel(0, 0, clGreen);
        canvas.ClipToRect({4, 4, 9, 9});
        canvas.Brush().SetColor(clFuchsia);
        canvas.FillRectangle({0, 0, 25, 20});
        canvas.RemoveClip();
    };
    RatioDrawing once(25, 20, 1);
    draw(once.canvas);
    RatioDrawing twice(25, 20, 2);
    draw(twice.canvas);
    EXPECT_EQ(twice.Image().size(), QSize(50, 40));
    EXPECT_EQ(twice.Image().devicePixelRatio(), 2);
    QImage doubled = once.Image().scaled(50, 40, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    doubled.setDevicePixelRatio(2);
    EXPECT_EQ(twice.Image(), doubled);
}

// A sloping line, a marker and a text at ratios 2 and 1.5 are drawn at the device's pixels: their rows and
// columns do not repeat as those of a drawing made at ratio 1 and enlarged would.
TEST(CanvasDeviceRatio, SlopesMarkersAndTextAreDrawnAtTheDeviceResolution)
{
    for (const double ratio : {2.0, 1.5}) {
        SCOPED_TRACE(ratio);
        RatioDrawing d(40, 20, ratio);
        d.canvas.Pen().SetColor(clBlack);
        d.canvas.DrawLine(0, 19, 39, 2);
        d.canvas.DrawEllipse(30, 10, 34, 14);
        d.canvas.Font().SetName(QStringLiteral("Arial"));
        d.canvas.DrawTextAt(2, 1, QStringLiteral("Wy0"));
        const QImage& image = d.Image();
        EXPECT_FALSE(RepeatsLikeAnEnlargement(image, image.rect(), ratio));
        EXPECT_FALSE(RepeatsLikeAnEnlargement(image, image.rect(), ratio, true));
    }
}
