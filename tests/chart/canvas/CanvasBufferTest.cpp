// The canvas' off-screen image: reuse while nothing changed, re-creation on a size change.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "chart/canvas/TChartCanvas3D.h"

using namespace rna::chart;

TEST(CanvasBuffer, CachedImageIsShownOnlyWhileCurrent)
{
    TChartCanvas3D canvas;
    QImage window(30, 20, QImage::Format_RGB32);
    window.fill(Qt::black);
    QPainter target(&window);
    EXPECT_TRUE(canvas.Dirty());
    EXPECT_FALSE(canvas.ShowCachedImage(&target));  // nothing drawn yet
    const Rect bounds = canvas.BeginDrawing(&target, {5, 2, 25, 12});
    EXPECT_EQ(bounds, (Rect{0, 0, 20, 10}));
    canvas.Brush().SetColor(clRed);
    canvas.FillRectangle(bounds);
    canvas.EndDrawing(&target, {5, 2});
    EXPECT_FALSE(canvas.Dirty());
    EXPECT_FALSE(canvas.Drawing());
    target.end();
    EXPECT_EQ(window.pixel(5, 2), 0xFFFF0000);
    EXPECT_EQ(window.pixel(24, 11), 0xFFFF0000);
    EXPECT_EQ(window.pixel(4, 2), 0xFF000000);

    QImage second(30, 20, QImage::Format_RGB32);
    second.fill(Qt::black);
    QPainter again(&second);
    EXPECT_TRUE(canvas.ShowCachedImage(&again));
    canvas.MarkDirty();
    EXPECT_FALSE(canvas.ShowCachedImage(&again));
    again.end();
    EXPECT_EQ(second.pixel(0, 0), 0xFFFF0000);  // the copy goes to (0, 0)
}

TEST(CanvasBuffer, SizeChangeRecreatesTheImage)
{
    TChartCanvas3D canvas;
    canvas.BeginDrawing(nullptr, {0, 0, 40, 30});
    canvas.EndDrawing(nullptr, {});
    const uchar* first = canvas.Image().constBits();
    canvas.BeginDrawing(nullptr, {0, 0, 40, 30});
    canvas.EndDrawing(nullptr, {});
    EXPECT_EQ(canvas.Image().constBits(), first);  // same size: reused
    canvas.BeginDrawing(nullptr, {0, 0, 50, 35});
    canvas.EndDrawing(nullptr, {});
    EXPECT_EQ(canvas.Image().size(), QSize(50, 35));
}

TEST(CanvasBuffer, MonochromeAndUnbufferedDiscardTheImage)
{
    TChartCanvas3D canvas;
    int invalidations = 0;
    canvas.SetOnChange([&] { ++invalidations; });
    canvas.BeginDrawing(nullptr, {0, 0, 10, 10});
    canvas.EndDrawing(nullptr, {});
    canvas.SetMonochrome(true);
    EXPECT_TRUE(canvas.Image().isNull());
    EXPECT_TRUE(canvas.Dirty());
    canvas.SetMonochrome(true);
    EXPECT_EQ(invalidations, 1);

    canvas.BeginDrawing(nullptr, {0, 0, 10, 10});
    canvas.EndDrawing(nullptr, {});
    canvas.SetBufferedDisplay(false);
    EXPECT_TRUE(canvas.Image().isNull());
    QImage window(10, 10, QImage::Format_RGB32);
    QPainter target(&window);
    EXPECT_FALSE(canvas.ShowCachedImage(&target));
    EXPECT_EQ(canvas.BeginDrawing(&target, {2, 3, 8, 9}), (Rect{2, 3, 8, 9}));
    canvas.Brush().SetColor(clBlue);
    canvas.FillRectangle({2, 3, 8, 9});
    canvas.EndDrawing(&target, {2, 3});
    target.end();
    EXPECT_EQ(window.pixel(2, 3), 0xFF0000FF);
}
