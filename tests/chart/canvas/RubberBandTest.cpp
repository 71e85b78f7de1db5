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
// the same band gives every pixel back. On screens of 2 and 1.5 device pixels to each of the chart's, the
// band lies on the device pixels where the window shows the picture's, also where the chart's place in the
// window falls between device pixels.
TEST(RubberBand, PaintedOverAShownPictureWithTheNotXorRule)
{
    for (const double ratio : {1.0, 2.0, 1.5}) {
        SCOPED_TRACE(ratio);
        QImage shown(int(30 * ratio), int(20 * ratio), QImage::Format_RGB32);
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                shown.setPixel(x, y, qRgb(x * 17 % 256, y * 29 % 256, (x * y * 7 + 40) % 256));
        shown.setDevicePixelRatio(ratio);
        const QImage original = shown;
        const TColor pen = RgbColor(0xF0, 0xA0, 0x0F);
        for (const Rect& corners : {Rect{3, 4, 25, 15}, Rect{-10, 5, 12, 40}, Rect{20, -5, 50, 8}}) {
            // A window showing the picture at (5, 3) of its own pixels, as a chart shows its image.
            const auto window = [&](const QImage& picture, bool band) {
                QImage result(int(40 * ratio), int(30 * ratio), QImage::Format_RGB32);
                result.setDevicePixelRatio(ratio);
                result.fill(Qt::black);
                QPainter painter(&result);
                painter.translate(5, 3);
                painter.drawImage(QPoint(0, 0), picture);
                if (band)
                    PaintRubberBand(painter, shown, corners, pen, DeviceGrid(ratio));
                return result;
            };
            QImage drawn = shown;
            DrawRubberBand(drawn, corners, pen, DeviceGrid(ratio));
            EXPECT_NE(drawn, original);
            EXPECT_EQ(window(shown, true), window(drawn, false));
            EXPECT_EQ(shown, original);
            DrawRubberBand(drawn, corners, pen, DeviceGrid(ratio));
            EXPECT_EQ(drawn, original);
        }
    }
}
