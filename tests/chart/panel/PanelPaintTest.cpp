// The chart panel's repaint rules: one image copy while nothing changed, redraw requests, errors.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <cmath>
#include <functional>

#include "PanelTestChart.h"
#include "chart/axis/TChartAxis.h"
#include "chart/core/ChartException.h"
#include "chart/series/TLineSeries.h"

using namespace rna::chart;
using rna::chart::test::RecordingChart;

namespace {

// A paint onto a window of the chart's size on a screen of `ratio` device pixels to each of the window's own.
QImage PaintWindow(RecordingChart& chart, double ratio = 1)
{
    QImage window(int(std::lround(chart.width() * ratio)), int(std::lround(chart.height() * ratio)),
                  QImage::Format_RGB32);
    window.setDevicePixelRatio(ratio);
    window.fill(Qt::black);
    QPainter painter(&window);
    chart.PaintTo(painter);
    return window;
}

QRgb PaletteRgb(QPalette::ColorRole role)
{
    return QApplication::palette().color(QPalette::Active, role).rgb();
}

}  // namespace

TEST(PanelPaint, UnchangedChartIsRepaintedByOneImageCopy)
{
    RecordingChart chart;
    chart.resize(120, 90);
    const QImage first = PaintWindow(chart);
    const QImage second = PaintWindow(chart);
    EXPECT_EQ(chart.renders, 1);
    EXPECT_EQ(first, second);  // the copy covers the whole window
    chart.Title().SetText({"changed"});
    PaintWindow(chart);
    EXPECT_EQ(chart.renders, 2);
}

namespace {
// Marks one pixel over the copied image, as the zoom rectangle will be drawn.
class OverlayChart : public RecordingChart {
protected:
    void PaintOverlay(QPainter& painter) override { painter.fillRect(QRect(5, 5, 1, 1), Qt::magenta); }
};
}  // namespace

TEST(PanelPaint, WidgetPaintCopiesTheImageThenDrawsTheOverlay)
{
    OverlayChart chart;
    chart.resize(80, 60);
    const QImage shown = chart.grab().toImage();
    EXPECT_EQ(chart.renders, 1);
    EXPECT_EQ(shown.pixel(5, 5), QColor(Qt::magenta).rgb());
    EXPECT_NE(chart.Canvas().Image().pixel(5, 5), QColor(Qt::magenta).rgb());  // never into the image
    EXPECT_EQ(shown.pixel(40, 2), chart.Canvas().Image().pixel(40, 2));
    const int requests = chart.RedrawRequests();
    chart.grab();
    EXPECT_EQ(chart.RedrawRequests(), requests);
    EXPECT_EQ(chart.renders, 1) << chart.Canvas().Dirty();
    EXPECT_TRUE(chart.testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(PanelPaint, ResizeRecreatesTheImage)
{
    RecordingChart chart;
    chart.resize(120, 90);
    PaintWindow(chart);
    chart.resize(200, 150);
    const QImage window = PaintWindow(chart);
    EXPECT_EQ(chart.renders, 2);
    EXPECT_EQ(chart.Canvas().Image().size(), QSize(200, 150));
    EXPECT_EQ(chart.startPlotRect, (Rect{6, 6, 194, 144}));
    EXPECT_EQ(window.pixel(199, 149), PaletteRgb(QPalette::Dark));  // bottom-right bevel edge
}

// Moved to a screen of another pixel ratio, the chart is drawn again at that ratio with nothing changed, in
// the same layout; the window is covered by the image to its last device pixel.
TEST(PanelPaint, AnotherPixelRatioRedrawsInTheSameLayout)
{
    RecordingChart chart;
    chart.resize(121, 90);
    chart.Title().SetText({"title"});
    PaintWindow(chart);
    const Rect plot = chart.PlotRect();
    const int left = chart.LeftAxis()->LabelsPos;
    for (const double ratio : {2.0, 1.5, 1.0}) {
        SCOPED_TRACE(ratio);
        const int renders = chart.renders;
        const int requests = chart.RedrawRequests();
        const QImage window = PaintWindow(chart, ratio);
        EXPECT_EQ(chart.renders, renders + 1);
        EXPECT_EQ(chart.RedrawRequests(), requests);
        EXPECT_EQ(chart.PlotRect(), plot);
        EXPECT_EQ(chart.LeftAxis()->LabelsPos, left);
        EXPECT_EQ(chart.Canvas().Image().size(), window.size());
        EXPECT_EQ(window.pixel(window.width() - 1, window.height() - 1), PaletteRgb(QPalette::Dark));
        PaintWindow(chart, ratio);
        EXPECT_EQ(chart.renders, renders + 1);  // then copied again, as at any ratio
    }
}

TEST(PanelPaint, BackgroundBevelAndBackWallPixels)
{
    RecordingChart chart;
    chart.resize(105, 81);
    chart.Draw();
    const QImage& image = chart.Canvas().Image();
    EXPECT_EQ(image.pixel(0, 0), PaletteRgb(QPalette::Light));  // raised bevel: light top-left
    EXPECT_EQ(image.pixel(104, 80), PaletteRgb(QPalette::Dark));  // dark bottom-right
    EXPECT_EQ(image.pixel(1, 1), PaletteRgb(QPalette::Button));  // panel colour clBtnFace
    chart.SetBevelOuter(TBevelCut::bvNone);
    chart.SetView3D(false);
    chart.Title().SetVisible(false);
    chart.SetAxisVisible(false);
    chart.Draw();
    EXPECT_EQ(image.pixel(0, 0), PaletteRgb(QPalette::Button));
    // Without axes the back wall outlines PlotRect (3, 3, 102, 78) including its right and bottom edges.
    EXPECT_EQ(image.pixel(3, 3), 0xFF000000u);
    EXPECT_EQ(image.pixel(102, 78), 0xFF000000u);
    EXPECT_EQ(image.pixel(50, 78), 0xFF000000u);
    EXPECT_EQ(image.pixel(103, 50), PaletteRgb(QPalette::Button));
    EXPECT_EQ(image.pixel(50, 50), PaletteRgb(QPalette::Button));  // bsClear: the panel shows inside
    chart.SetBackColor(clWhite);
    chart.Draw();
    EXPECT_EQ(chart.BackWall().Brush().Style(), TBrushStyle::bsSolid);
    EXPECT_EQ(image.pixel(50, 50), 0xFFFFFFFFu);
}

TEST(PanelPaint, EqualValuesScheduleNothing)
{
    RecordingChart chart;
    using Setter = std::function<void(RecordingChart&, bool changed)>;
    const std::pair<const char*, Setter> setters[] = {
        {"Color", [](RecordingChart& c, bool x) { c.SetColor(x ? clWhite : clBtnFace); }},
        {"BevelOuter", [](RecordingChart& c, bool x) { c.SetBevelOuter(x ? TBevelCut::bvNone : TBevelCut::bvRaised); }},
        {"MarginRight", [](RecordingChart& c, bool x) { c.SetMarginRight(x ? 5 : 3); }},
        {"View3D", [](RecordingChart& c, bool x) { c.SetView3D(!x); }},
        {"Chart3DPercent", [](RecordingChart& c, bool x) { c.SetChart3DPercent(x ? 20 : 15); }},
        {"AxisVisible", [](RecordingChart& c, bool x) { c.SetAxisVisible(!x); }},
        {"Title.Text", [](RecordingChart& c, bool x) { c.Title().SetText(x ? QStringList{"a"} : QStringList{}); }},
        {"Title.Visible", [](RecordingChart& c, bool x) { c.Title().SetVisible(!x); }},
        {"Title.Font.Color", [](RecordingChart& c, bool x) { c.Title().Font().SetColor(x ? clRed : clBlue); }},
        {"Title.Frame.Visible", [](RecordingChart& c, bool x) { c.Title().Frame().SetVisible(x); }},
        {"Foot.Brush.Style",
         [](RecordingChart& c, bool x) { c.Foot().Brush().SetStyle(x ? TBrushStyle::bsClear : TBrushStyle::bsSolid); }},
        {"BackWall.Brush.Color",
         [](RecordingChart& c, bool x) { c.BackWall().Brush().SetColor(x ? clWhite : clUseSeriesColor); }},
        {"BackWall.Pen.Width", [](RecordingChart& c, bool x) { c.BackWall().Pen().SetWidth(x ? 2 : 1); }},
        {"Legend.Visible", [](RecordingChart& c, bool x) { c.Legend().SetVisible(!x); }},
        {"Gradient.Visible", [](RecordingChart& c, bool x) { c.Gradient().SetVisible(x); }},
        {"View3DOptions.Zoom", [](RecordingChart& c, bool x) { c.View3DOptions().SetZoom(x ? 90 : 100); }},
    };
    for (const auto& [name, set] : setters) {
        const int before = chart.RedrawRequests();
        chart.Draw();
        set(chart, false);
        EXPECT_EQ(chart.RedrawRequests(), before) << name;
        EXPECT_FALSE(chart.Canvas().Dirty()) << name;
        set(chart, true);
        EXPECT_EQ(chart.RedrawRequests(), before + 1) << name;
        EXPECT_TRUE(chart.Canvas().Dirty()) << name;
        set(chart, false);
    }
}

TEST(PanelPaint, OutOfRangeSettingsRaiseAndKeepTheOldValue)
{
    RecordingChart chart;
    chart.Draw();
    const int before = chart.RedrawRequests();
    for (int bad : {0, 101, -5}) {
        try {
            chart.SetChart3DPercent(bad);
            ADD_FAILURE() << bad;
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), "3D effect percent must be between 1 and 100");
        }
    }
    EXPECT_EQ(chart.Chart3DPercent(), 15);
    chart.SetChart3DPercent(1);
    chart.SetChart3DPercent(100);
    EXPECT_EQ(chart.Chart3DPercent(), 100);
    EXPECT_THROW(
        {
            try {
                chart.SetMaxPointsPerPage(-1);
            } catch (const ChartException& e) {
                EXPECT_STREQ(e.what(), "MaxPointsPerPage must be >= 0");
                throw;
            }
        },
        ChartException);
    EXPECT_EQ(chart.MaxPointsPerPage(), 0);
    EXPECT_EQ(chart.RedrawRequests(), before + 2);
}

TEST(PanelPaint, PagingLowersThePageToTheNumberOfPages)
{
    RecordingChart chart;
    TLineSeries series;
    series.SetParentChart(&chart);
    for (int i = 0; i < 10; ++i)
        series.AddPoint(i, i);
    chart.SetMaxPointsPerPage(3);
    EXPECT_EQ(chart.NumPages(), 4);
    chart.SetPage(4);
    EXPECT_EQ(chart.Page(), 4);
    chart.SetPage(9);
    EXPECT_EQ(chart.Page(), 4);
    chart.SetMaxPointsPerPage(5);
    EXPECT_EQ(chart.Page(), 2);
    chart.SetMaxPointsPerPage(0);
    EXPECT_EQ(chart.Page(), 1);
}

TEST(PanelPaint, RefillingASeriesRequestsOncePerPointAndDrawsOnce)
{
    RecordingChart chart;
    chart.resize(305, 145);
    TLineSeries curve;
    curve.SetParentChart(&chart);
    PaintWindow(chart);
    const int before = chart.RedrawRequests();
    curve.ClearPoints();
    for (int x = -25; x <= 25; ++x)
        curve.AddPoint(x, x * 0.5);
    EXPECT_EQ(chart.RedrawRequests(), before + 1 + 51);
    EXPECT_EQ(chart.renders, 1);
    PaintWindow(chart);
    PaintWindow(chart);
    EXPECT_EQ(chart.renders, 2);
}

// A shown chart is repainted by Qt after every refill, however many requests each refill makes, and also
// when it is shown after changes made while hidden.
TEST(PanelPaint, ShownChartIsRepaintedAfterEachRefill)
{
    RecordingChart chart;
    chart.resize(200, 120);
    TLineSeries curve;
    curve.SetParentChart(&chart);
    curve.AddPoint(0, 1);  // a request while hidden
    const auto paintsUntil = [&chart](int renders) {
        QElapsedTimer timer;
        timer.start();
        while (chart.renders < renders && timer.elapsed() < 2000)
            QApplication::processEvents();
        return chart.renders;
    };
    chart.show();
    ASSERT_EQ(paintsUntil(1), 1);
    for (int refill = 2; refill <= 4; ++refill) {
        curve.ClearPoints();
        for (int x = 0; x < 5; ++x)
            curve.AddPoint(x, x * refill);
        EXPECT_EQ(paintsUntil(refill), refill);
    }
    chart.hide();
    curve.AddPoint(9, 9);
    QApplication::processEvents();
    chart.show();
    EXPECT_EQ(paintsUntil(5), 5);
}

TEST(PanelPaint, AttachedSeriesGetTheFirstFreePaletteColour)
{
    RecordingChart chart;
    chart.BackWall().SetColor(clGreen);
    TLineSeries a, b, c, fixed;
    fixed.SetSeriesColor(clRed);
    fixed.SetParentChart(&chart);
    a.SetParentChart(&chart);
    b.SetParentChart(&chart);
    EXPECT_EQ(fixed.SeriesColor(), clRed);
    EXPECT_EQ(a.SeriesColor(), clYellow);  // red is used, green is the back wall's
    EXPECT_EQ(b.SeriesColor(), clBlue);
    chart.AttachSeries(&a);  // already listed: nothing happens
    EXPECT_EQ(chart.SeriesCount(), 3);
    EXPECT_EQ(chart.Series(1), &a);
    chart.DetachSeries(&a);
    EXPECT_EQ(a.ParentChart(), nullptr);
    EXPECT_EQ(chart.SeriesCount(), 2);
    c.SetParentChart(&chart);
    EXPECT_EQ(c.SeriesColor(), clYellow);
    EXPECT_EQ(chart.Series(2), &c);
}

TEST(PanelPaint, AxesInUseFollowTheSeries)
{
    RecordingChart chart;
    ASSERT_EQ(chart.AxesList().size(), 5u);
    EXPECT_EQ(chart.AxesList()[0], chart.BottomAxis());
    EXPECT_EQ(chart.AxesList()[1], chart.TopAxis());
    EXPECT_EQ(chart.AxesList()[2], chart.LeftAxis());
    EXPECT_EQ(chart.AxesList()[3], chart.RightAxis());
    EXPECT_TRUE(chart.BottomAxis()->IsHorizontal() && !chart.BottomAxis()->IsFarSide());
    EXPECT_TRUE(chart.TopAxis()->IsHorizontal() && chart.TopAxis()->IsFarSide());
    EXPECT_TRUE(!chart.RightAxis()->IsHorizontal() && chart.RightAxis()->IsFarSide());
    auto inUse = [&] {
        std::string used;
        for (TCustomChartAxis* axis : chart.AxesList())
            used += chart.AxisInUse(*axis) ? '1' : '0';
        return used;
    };
    EXPECT_EQ(inUse(), "11110");  // no series: every visible axis; the depth axis is hidden
    TLineSeries series;
    series.SetParentChart(&chart);
    EXPECT_EQ(inUse(), "10100");  // bottom and left only
    series.SetActive(false);
    EXPECT_EQ(inUse(), "11110");
    series.SetActive(true);
    chart.LeftAxis()->SetVisible(false);
    EXPECT_EQ(inUse(), "10000");
    chart.SetAxisVisible(false);
    EXPECT_EQ(inUse(), "00000");
}

TEST(PanelPaint, ChartDestructionDetachesItsSeries)
{
    TLineSeries series;
    {
        RecordingChart chart;
        series.SetParentChart(&chart);
        EXPECT_EQ(series.ParentChart(), &chart);
    }
    EXPECT_EQ(series.ParentChart(), nullptr);
    series.AddPoint(1, 1);  // no chart to notify any more
    EXPECT_EQ(series.PointCount(), 1);
}
