// The zoom rectangle's outline: which pixels it covers, the not-XOR rule, and painting it over a shown picture.
#include <gtest/gtest.h>

#include <QPainter>

#include "chart/canvas/RubberBand.h"

using namespace rna::chart;

namespace {

// How often each pixel of a w x h area lies in one of the outline's runs: '.', '1', '2' ...
std::string Coverage(const Rect& corners, int w, int h)
{
    std::string map;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int count = 0;
            for (const Rect& edge : RubberBandEdges(corners))
                count += edge.Contains(x, y) ? 1 : 0;
            map += count == 0 ? '.' : char('0' + count);
        }
        map += '/';
    }
    return map;
}

// Every pixel different, so that a wrong pixel or a pixel drawn twice shows.
QImage Pattern(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 17 % 256, y * 29 % 256, (x * y * 7 + 40) % 256));
    return image;
}

QRgb NotXor(QRgb pen, QRgb pixel)
{
    return 0xFF000000 | (~(pen ^ pixel) & 0xFFFFFF);
}

}  // namespace

TEST(RubberBand, OutlineLeavesOutRightAndBottomEdgesAndCoversEachPixelOnce)
{
    struct Case {
        Rect corners;
        const char* coverage;
    };
    const Case cases[] = {
        {{1, 1, 6, 5}, "....../.11111/.1...1/.1...1/.11111/....../"},
        {{6, 5, 1, 1}, "....../.11111/.1...1/.1...1/.11111/....../"},  // dragged up and left
        {{6, 1, 1, 5}, "....../.11111/.1...1/.1...1/.11111/....../"},
        {{2, 1, 3, 5}, "....../..1.../..1.../..1.../..1.../....../"},  // one pixel wide
        {{1, 2, 6, 3}, "....../....../.11111/....../....../....../"},  // one pixel high
        {{1, 2, 3, 4}, "....../....../.11.../.11.../....../....../"},
        {{2, 2, 2, 5}, "....../....../....../....../....../....../"},  // no width: nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.corners.Left << ',' << c.corners.Top << ',' << c.corners.Right << ','
                                        << c.corners.Bottom);
        EXPECT_EQ(Coverage(c.corners, 6, 6), c.coverage);
    }
}

TEST(RubberBand, NotXorPenTurnsEachOutlinePixelAndASecondDrawingGivesItBack)
{
    const QImage original = Pattern(12, 10);
    const TColor pen = RgbColor(0xF0, 0xA0, 0x0F);
    const QRgb penRgb = qRgb(0xF0, 0xA0, 0x0F);
    const Rect corners{9, 8, 2, 1};
    QImage image = original;
    DrawRubberBand(image, corners, pen);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool outline = (x >= 2 && x < 9 && (y == 1 || y == 7)) || (y >= 1 && y < 8 && (x == 2 || x == 8));
            ASSERT_EQ(image.pixel(x, y), outline ? NotXor(penRgb, original.pixel(x, y)) : original.pixel(x, y))
                << x << ',' << y;
        }
    DrawRubberBand(image, corners, pen);
    EXPECT_EQ(image, original);
}

// The target gets exactly what the not-XOR drawing would leave on the shown picture, the picture itself stays
// as it is, and an outline running off the picture is cut at its edges.
TEST(RubberBand, PaintingOverAShownPictureWritesOnlyTheOutline)
{
    const QImage shown = Pattern(30, 20);
    const Rect cases[] = {{3, 4, 25, 15}, {25, 15, 3, 4}, {-10, 5, 12, 40}, {20, -5, 50, 8}};
    for (const Rect& corners : cases) {
        SCOPED_TRACE(testing::Message() << corners.Left << ',' << corners.Top);
        QImage expected = shown;
        DrawRubberBand(expected, corners, clBlack);
        QImage window = shown;
        {
            QPainter painter(&window);
            PaintRubberBand(painter, shown, corners, clBlack);
            EXPECT_EQ(painter.compositionMode(), QPainter::CompositionMode_SourceOver);
        }
        EXPECT_EQ(window, expected);
        EXPECT_EQ(shown, Pattern(30, 20));
    }
}
