// Mouse zoom, undo, panning and wheel scrolling of a shown chart, through simulated mouse events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWheelEvent>

#include "PanelTestChart.h"
#include "chart/axis/TChartAxis.h"
#include "chart/canvas/ChartFontQt.h"
#include "chart/canvas/RubberBand.h"
#include "chart/series/TLineSeries.h"

using namespace rna::chart;

namespace {

struct Range {
    double Min, Max;
    bool operator==(const Range&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Range& r)
{
    return out << r.Min << " .. " << r.Max;
}

// A flat chart laid out as on the single-input screen, shown in its own window and drawn once.
struct MouseChart {
    test::RecordingChart chart;
    TLineSeries series;
    int zooms = 0, undos = 0, scrolls = 0;

    explicit MouseChart(bool activeSeries = true)
    {
        chart.resize(433, 177);
        chart.SetView3D(false);
        chart.SetBevelOuter(TBevelCut::bvNone);
        chart.Legend().SetVisible(false);
        chart.Title().SetText({"Functia de transfer"});
        chart.BottomAxis()->SetRange(-10.05, 10.05);
        chart.LeftAxis()->SetRange(-1.05, 1.05);
        chart.LeftAxis()->SetLabelsSize(30);  // labels of another width would move the plotting area
        for (int i = -10; i <= 10; ++i)
            series.AddPoint(i, i / 10.0);
        series.SetActive(activeSeries);
        series.SetParentChart(&chart);
        chart.SetOnZoom([this] { ++zooms; });
        chart.SetOnUndoZoom([this] { ++undos; });
        chart.SetOnScroll([this] { ++scrolls; });
        chart.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&chart));
        Shown();
    }
    Range Bottom() const { return {chart.BottomAxis()->Minimum(), chart.BottomAxis()->Maximum()}; }
    Range Left() const { return {chart.LeftAxis()->Minimum(), chart.LeftAxis()->Maximum()}; }
    QImage Shown() { return chart.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    bool Dragging() const { return chart.Mouse().Zoom().Active || chart.Mouse().Panning().Active; }
    // A point of the plotting area, at fractions of its width and height.
    QPoint At(double fx, double fy) const
    {
        const Rect& r = chart.PlotRect();
        return {r.Left + int(fx * r.Width()), r.Top + int(fy * r.Height())};
    }
    // One pixel at a time along the line, as a hand moves the mouse; `between` runs after each move.
    void MoveAlong(QPoint from, QPoint to, const std::function<void()>& between = {})
    {
        const QPoint d = to - from;
        const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
        for (int i = 1; i <= steps; ++i) {
            QTest::mouseMove(&chart,
                             from + QPoint(qRound(double(d.x()) * i / steps), qRound(double(d.y()) * i / steps)));
            if (between)
                between();
        }
    }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to, Qt::KeyboardModifiers keys = {})
    {
        QTest::mousePress(&chart, button, keys, from);
        MoveAlong(from, to);
        QTest::mouseRelease(&chart, button, keys, to);
        Shown();
    }
};

}  // namespace

// From a chart zoomed once: more than 16 pixels right and down zooms to the rectangle, more than 16 each other
// way restores the ranges from before the first zoom, up to 16 pixels in either direction does nothing.
TEST(ChartMouse, LeftDragZoomsUndoesOrDoesNothingByDirectionAndSize)
{
    enum Outcome { Zoom, Undo, Nothing };
    const struct {
        int dx, dy;
        Outcome outcome;
    } cases[] = {{17, 17, Zoom},  {16, 17, Nothing}, {17, 16, Nothing},   {16, 16, Nothing}, {-17, -17, Undo},
                 {17, -17, Undo}, {-17, 17, Undo},   {-16, -30, Nothing}, {30, -16, Nothing}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << ',' << c.dy);
        MouseChart m;
        const Range bottom0 = m.Bottom(), left0 = m.Left();
        m.Drag(Qt::LeftButton, m.At(0.1, 0.1), m.At(0.8, 0.8));
        const Range bottom1 = m.Bottom(), left1 = m.Left();
        const QPoint from = m.At(0.4, 0.4), to = from + QPoint(c.dx, c.dy);
        const AxisScale b = m.chart.BottomAxis()->Scale(), l = m.chart.LeftAxis()->Scale();
        const int requests = m.chart.RedrawRequests();
        m.Drag(Qt::LeftButton, from, to);
        const Range zoomedBottom{b.PixelToValue(from.x()), b.PixelToValue(to.x())};
        const Range zoomedLeft{l.PixelToValue(to.y()), l.PixelToValue(from.y())};
        EXPECT_EQ(m.Bottom(), c.outcome == Zoom ? zoomedBottom : c.outcome == Undo ? bottom0 : bottom1);
        EXPECT_EQ(m.Left(), c.outcome == Zoom ? zoomedLeft : c.outcome == Undo ? left0 : left1);
        EXPECT_EQ(m.zooms, c.outcome == Zoom ? 2 : 1);
        EXPECT_EQ(m.undos, c.outcome == Undo ? 1 : 0);
        if (c.outcome == Nothing) {
            EXPECT_EQ(m.chart.RedrawRequests(), requests);
        }
    }
}

// The value under the pressed pixel follows the pointer on both axes, one redraw per move, in every direction;
// leaving the plotting area stops the pan, and the undo goes back to the ranges from before it.
TEST(ChartMouse, RightDragPansWithThePointerUntilItLeavesThePlottingArea)
{
    for (const QPoint way : {QPoint(25, 0), QPoint(-25, 0), QPoint(0, 25), QPoint(0, -25), QPoint(15, -10)}) {
        SCOPED_TRACE(testing::Message() << way.x() << ',' << way.y());
        MouseChart m;
        const Range bottom0 = m.Bottom(), left0 = m.Left();
        const QPoint from = m.At(0.5, 0.5), to = from + way;
        const AxisScale b = m.chart.BottomAxis()->Scale(), l = m.chart.LeftAxis()->Scale();
        QTest::mousePress(&m.chart, Qt::RightButton, {}, from);
        int renders = m.chart.renders;
        m.MoveAlong(from, to, [&] {
            QCoreApplication::processEvents();
            EXPECT_EQ(m.chart.renders, ++renders);
        });
        EXPECT_NEAR(m.chart.BottomAxis()->PixelToValue(to.x()), b.PixelToValue(from.x()), 1e-12);
        EXPECT_NEAR(m.chart.LeftAxis()->PixelToValue(to.y()), l.PixelToValue(from.y()), 1e-12);
        EXPECT_NEAR(m.chart.BottomAxis()->RangeSpan(), b.RangeSpan, 1e-12);
        EXPECT_EQ(m.scrolls, std::max(std::abs(way.x()), std::abs(way.y())));

        const QPoint outside(m.chart.PlotRect().Left - 1, to.y());
        m.MoveAlong(to, outside);
        const Range left = m.Bottom();
        EXPECT_FALSE(m.Dragging());
        m.MoveAlong(outside, from);
        QTest::mouseRelease(&m.chart, Qt::RightButton, {}, from);
        EXPECT_EQ(m.Bottom(), left);
        m.Drag(Qt::LeftButton, m.At(0.7, 0.7), m.At(0.2, 0.2));
        EXPECT_EQ(m.Bottom(), bottom0);
        EXPECT_EQ(m.Left(), left0);
    }
}

// A drag starts from a series, an axis (its tick band and up to 3 pixels inside the plotting area) or the
// plotting area of a chart with an active series; not from the title or the labels beyond the axis' band.
TEST(ChartMouse, OnlyAxesSeriesAndThePlottingAreaStartADrag)
{
    MouseChart geometry;  // every chart of the test is laid out alike
    const Rect title = geometry.chart.Title().TitleBox();
    const int leftLabels = geometry.chart.LeftAxis()->LabelsPos;
    const int bottomLabels = geometry.chart.BottomAxis()->LabelsPos;
    const int plotLeft = geometry.chart.PlotRect().Left;
    const struct {
        const char* where;
        bool activeSeries;
        QPoint point;
        bool starts;
    } cases[] = {
        {"title", true, {title.CenterX(), title.Top + 2}, false},
        {"left labels", true, {leftLabels - 1, 90}, false},
        {"left ticks", true, {leftLabels, 90}, true},
        {"bottom labels", true, {200, bottomLabels}, false},
        {"bottom ticks", true, {200, bottomLabels - 1}, true},
        {"plot area", true, geometry.At(0.5, 0.3), true},
        {"plot area, no active series", false, geometry.At(0.5, 0.3), false},
        {"click gap", false, {plotLeft + 2, 90}, true},
        {"beyond the gap", false, {plotLeft + 3, 90}, false},
    };
    for (const auto& c : cases)
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            SCOPED_TRACE(testing::Message() << c.where << ' ' << button);
            MouseChart m(c.activeSeries);
            QTest::mousePress(&m.chart, button, {}, c.point);
            EXPECT_EQ(m.Dragging(), c.starts);
            QTest::mouseRelease(&m.chart, button, {}, c.point);
        }
}

// Each band pixel is NOT (pen XOR shown pixel), the pen being the chart's colour or black for a white chart;
// moving the band redraws nothing and the image never holds it.
TEST(ChartMouse, RubberBandIsDrawnOverTheShownChartAndNeverIntoItsImage)
{
    for (const auto& [chartColor, pen] : {std::pair{clBtnFace, ResolveColor(clBtnFace)}, std::pair{clWhite, clBlack}}) {
        MouseChart m;
        m.chart.SetColor(chartColor);
        const QImage image = m.Shown();
        const int requests = m.chart.RedrawRequests(), renders = m.chart.renders;
        const QPoint from = m.At(0.2, 0.2);
        QTest::mousePress(&m.chart, Qt::LeftButton, {}, from);
        for (const QPoint to : {from + QPoint(30, 20), from - QPoint(8, 9)}) {
            m.MoveAlong(from, to);
            const QImage shown = m.Shown();
            const auto edges = RubberBandEdges({from.x(), from.y(), to.x(), to.y()});
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) {
                    const bool band =
                        std::any_of(edges.begin(), edges.end(), [&](const Rect& e) { return e.Contains(x, y); });
                    const QRgb notXor = 0xFF000000 | (~(ToQColor(pen).rgb() ^ image.pixel(x, y)) & 0xFFFFFF);
                    ASSERT_EQ(shown.pixel(x, y), band ? notXor : image.pixel(x, y)) << x << ',' << y;
                }
            m.MoveAlong(to, from);
        }
        EXPECT_EQ(m.chart.Canvas().Image(), image);
        EXPECT_EQ(m.chart.RedrawRequests(), requests);
        EXPECT_EQ(m.chart.renders, renders);
        QTest::mouseRelease(&m.chart, Qt::LeftButton, {}, from + QPoint(5, 5));
        EXPECT_EQ(m.Shown(), image);
    }
}

// Partial turns add up to notches; a turn the other way drops what was left of the last one. The saved
// ranges are not touched: an undo after a wheel turn does not undo it.
TEST(ChartMouse, WheelScrollsTheVerticalAxesByThreePercentPerNotch)
{
    const struct {
        std::vector<int> angles;  // wheel events, positive away from the user
        int notches;  // towards the user
    } cases[] = {{{-120}, 1}, {{120}, -1}, {{-240}, 2}, {{-40, -40}, 0}, {{-40, -40, -40}, 1}, {{-60, 120}, -1}};
    for (const auto& c : cases) {
        MouseChart m;
        const Range bottom = m.Bottom();
        Range expected = m.Left();
        for (int i = 0; i < std::abs(c.notches); ++i) {
            const double s = (c.notches > 0 ? 1 : -1) * ((expected.Max - expected.Min) * 3 * 0.01);
            expected = {expected.Min + s, expected.Max + s};
        }
        for (const int angle : c.angles) {
            QWheelEvent wheel(m.At(0.5, 0.5), {}, {}, {0, angle}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(&m.chart, &wheel);
        }
        EXPECT_EQ(m.Left(), expected) << c.notches;
        EXPECT_EQ(m.Bottom(), bottom);
        m.Drag(Qt::LeftButton, m.At(0.6, 0.6), m.At(0.2, 0.2));
        EXPECT_EQ(m.Left(), expected);
    }
}

// The rest of the drag never comes: the drag ends at once, without a zoom and without the band; later moves
// pan nothing. (Hiding the window is tried on a demonstration screen.)
TEST(ChartMouse, CutShortInputEndsTheDrag)
{
    const std::function<void(MouseChart&)> cuts[] = {
        [](MouseChart&) {
            QDialog box;
            box.setWindowModality(Qt::ApplicationModal);
            box.show();
        },
        [](MouseChart& m) {  // the release went to another window: the next move comes without the button
            QMouseEvent move(QEvent::MouseMove, m.At(0.6, 0.6), m.At(0.6, 0.6), Qt::NoButton, {}, {});
            QApplication::sendEvent(&m.chart, &move);
        },
    };
    for (const auto& cut : cuts)
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            SCOPED_TRACE(button);
            MouseChart m;
            const QImage image = m.Shown();
            const Range left = m.Left();
            const QPoint from = m.At(0.2, 0.2), to = m.At(0.7, 0.7);
            QTest::mousePress(&m.chart, button, {}, from);
            m.MoveAlong(from, to - QPoint(20, 20));
            cut(m);
            EXPECT_FALSE(m.Dragging());
            const Range stopped = m.Left();
            m.MoveAlong(to - QPoint(20, 20), to);
            QTest::mouseRelease(&m.chart, button, {}, to);
            EXPECT_EQ(m.Left(), button == Qt::LeftButton ? left : stopped);
            if (button == Qt::LeftButton) {
                EXPECT_EQ(m.Shown(), image);
            }
        }
}

// A click event that ran takes the press, so no drag starts; the background's event has its turn for the
// plotting area before a zoom could, and for a press that hit nothing else.
TEST(ChartMouse, ClickEventsTakeThePress)
{
    MouseChart geometry;
    const Rect title = geometry.chart.Title().TitleBox();
    const std::pair<QPoint, std::string> cases[] = {
        {{geometry.series.CalcXPos(12), geometry.series.CalcYPos(12)}, "series 12"},
        {{geometry.chart.LeftAxis()->LabelsPos, 60}, "axis"},
        {geometry.At(0.8, 0.2), "background"},
        {{title.CenterX(), title.Top + 2}, "background"},
    };
    for (const auto& [point, expected] : cases) {
        MouseChart m;
        std::string ran;
        const auto note = [&](const std::string& what) {
            ran += what;
            EXPECT_TRUE(m.chart.Mouse().InClickEvent());
        };
        using Button = Qt::MouseButton;
        using Keys = Qt::KeyboardModifiers;
        m.chart.SetOnClickSeries(
            [&](TChartSeries&, int i, Button, Keys, int, int) { note("series " + std::to_string(i)); });
        m.chart.SetOnClickAxis([&](TCustomChartAxis&, Button, Keys, int, int) { note("axis"); });
        m.chart.SetOnClickBackground([&](Button, Keys, int, int) { note("background"); });
        QTest::mousePress(&m.chart, Qt::LeftButton, {}, point);
        EXPECT_FALSE(m.Dragging());
        EXPECT_FALSE(m.chart.Mouse().InClickEvent());
        QTest::mouseRelease(&m.chart, Qt::LeftButton, {}, point);
        EXPECT_EQ(ran, expected);
    }
}

// What a drag of 40 pixels right and down changes under the switches, OnAllowScroll and the keys required; an
// animated zoom shows AnimatedZoomSteps - 1 steps at once and ends on the same rectangle.
TEST(ChartMouse, SwitchesAndRequiredKeysDecideWhatADragMoves)
{
    enum Setting { NoZoom, HorizontalPanning, VerticalVetoed, ShiftNeeded, Animated };
    const struct {
        Setting setting;
        Qt::MouseButton button;
        Qt::KeyboardModifiers keys;
        bool bottomMoves, leftMoves;
    } cases[] = {{NoZoom, Qt::LeftButton, {}, false, false},
                 {HorizontalPanning, Qt::RightButton, {}, true, false},
                 {VerticalVetoed, Qt::RightButton, {}, true, false},
                 {ShiftNeeded, Qt::LeftButton, {}, false, false},
                 {ShiftNeeded, Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier, true, true},
                 {Animated, Qt::LeftButton, {}, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.setting);
        MouseChart m;
        m.chart.SetAllowZoom(c.setting != NoZoom);
        m.chart.SetAllowPanning(c.setting == HorizontalPanning ? TPanningMode::pmHorizontal : TPanningMode::pmBoth);
        MouseSettings().ZoomKeys = c.setting == ShiftNeeded ? Qt::ShiftModifier : Qt::NoModifier;
        m.chart.SetAnimatedZoom(c.setting == Animated);
        m.chart.SetAnimatedZoomSteps(4);
        if (c.setting == VerticalVetoed)
            m.chart.SetOnAllowScroll(
                [](TCustomChartAxis& axis, double&, double&, bool& allow) { allow = axis.IsHorizontal(); });
        const Range bottom = m.Bottom(), left = m.Left();
        const int renders = m.chart.renders;
        const QPoint from = m.At(0.3, 0.3);
        const AxisScale b = m.chart.BottomAxis()->Scale();
        m.Drag(c.button, from, from + QPoint(40, 40), c.keys);
        MouseSettings() = ChartMouseSettings();
        EXPECT_EQ(m.Bottom() != bottom, c.bottomMoves);
        EXPECT_EQ(m.Left() != left, c.leftMoves);
        if (c.setting == Animated) {
            EXPECT_EQ(m.chart.renders - renders, 3 + 1);
            EXPECT_EQ(m.Bottom(), (Range{b.PixelToValue(from.x()), b.PixelToValue(from.x() + 40)}));
        }
    }
}

// SetRange turns every automatic switch off; the undo gives back the ends first and the switches after them.
TEST(ChartMouse, UndoRestoresTheAutomaticSwitches)
{
    MouseChart m;
    TCustomChartAxis& left = *m.chart.LeftAxis();
    left.SetAutomaticMinimum(true);
    const double maximum = left.Maximum();
    m.Drag(Qt::LeftButton, m.At(0.2, 0.2), m.At(0.6, 0.6));
    EXPECT_FALSE(left.AutomaticMinimum());
    m.Drag(Qt::LeftButton, m.At(0.6, 0.6), m.At(0.2, 0.2));
    EXPECT_TRUE(left.AutomaticMinimum());
    EXPECT_FALSE(left.AutomaticMaximum() || left.Automatic());
    EXPECT_EQ(left.Maximum(), maximum);
}

// Without a drag the chart shows the cursor of the series point under the pointer, elsewhere its own (the
// window's arrow here); a drag shows the arrow while it lasts, also over a point.
TEST(ChartMouse, TheCursorFollowsTheSeriesPointsUntilADragTakesTheArrow)
{
    MouseChart m;
    m.series.SetCursor(-21);
    const auto point = [&](int i) { return QPoint(m.series.CalcXPos(i), m.series.CalcYPos(i)); };
    const auto shown = [&] { return m.chart.cursor().shape(); };
    QTest::mouseMove(&m.chart, point(10));
    EXPECT_EQ(shown(), Qt::PointingHandCursor);
    QTest::mouseMove(&m.chart, point(10) + QPoint(0, 20));
    EXPECT_EQ(shown(), Qt::ArrowCursor);
    QTest::mouseMove(&m.chart, point(10));
    QTest::mousePress(&m.chart, Qt::LeftButton, {}, point(10));
    QTest::mouseMove(&m.chart, point(12));
    EXPECT_EQ(shown(), Qt::ArrowCursor);
    QTest::mouseRelease(&m.chart, Qt::LeftButton, {}, point(12));
    QTest::mouseMove(&m.chart, point(12) + QPoint(1, 0));
    EXPECT_EQ(shown(), Qt::PointingHandCursor);
}
