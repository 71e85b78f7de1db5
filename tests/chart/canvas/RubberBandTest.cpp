// The zoom rectangle's outline: which pixels it covers, and the not-XOR drawing over a shown picture.
#include <gtest/gtest.h>

#include <QPainter>

#include "chart/canvas/RubberBand.h"

using namespace rna::chart;

// How often each pixel of a 6 x 6 area lies in one of the outline's runs: '.', '1', '2' ...
TEST(RubberBand, OutlineLeavesOutRightAndBottomEdgesAndCoversEachPixelOnce)
{
    const std::string box = "....../.11111/.1...1/.1...1/.11111/....../";
    const std::pair<Rect, std::string> cases[] = {
        {{1, 1, 6, 5}, box},
        {{6, 5, 1, 1}, box},  // dragged up and left
        {{6, 1, 1, 5}, box},
        {{2, 1, 3, 5}, "....../..1.../..1.../..1.../..1.../....../"},  // one pixel wide
        {{1, 2, 6, 3}, "....../....../.11111/....../....../....../"},  // one pixel high
        {{2, 2, 2, 5}, "....../....../....../....../....../....../"},  // no width: nothing
    };
    for (const auto& [corners, coverage] : cases) {
        std::string map;
        for (int y = 0; y < 6; ++y, map += '/')
            for (int x = 0; x < 6; ++x) {
                const auto edges = RubberBandEdges(corners);
                const auto count =
                    std::count_if(edges.begin(), edges.end(), [&](const Rect& e) { return e.Contains(x, y); });
                map += count == 0 ? '.' : char('0' + count);
            }
        EXPECT_EQ(map, coverage) << corners.Left << ',' << corners.Top << ',' << corners.Right << ',' << corners.Bottom;
    }
}

// Painted over a window that shows a picture, the window gets what the not-XOR drawing leaves on the picture,
// the picture stays as it was, a band running off the picture is cut at its edges, and a second drawing of
// the same band gives every pixel back.
TEST(RubberBand, PaintedOverAShownPictureWithTheNotXorRule)
{
    QImage shown(30, 20, QImage::Format_RGB32);
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            shown.setPixel(x, y, qRgb(x * 17 % 256, y * 29 % 256, (x * y * 7 + 40) % 256));
    const QImage original = shown;
    const TColor pen = RgbColor(0xF0, 0xA0, 0x0F);
    for (const Rect& corners : {Rect{3, 4, 25, 15}, Rect{-10, 5, 12, 40}, Rect{20, -5, 50, 8}}) {
        QImage window = shown;
        {
            QPainter painter(&window);
            PaintRubberBand(painter, shown, corners, pen);
        }
        QImage drawn = shown;
        DrawRubberBand(drawn, corners, pen);
        EXPECT_EQ(window, drawn);
        EXPECT_EQ(shown, original);
        DrawRubberBand(drawn, corners, pen);
        EXPECT_EQ(drawn, original);
    }
}
