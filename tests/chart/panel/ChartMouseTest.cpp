// Mouse zoom, undo, panning and wheel scrolling of a shown chart, through simulated mouse events.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QWheelEvent>

#include "PanelTestChart.h"
#include "chart/axis/AxisLayout.h"
#include "chart/axis/TChartAxis.h"
#include "chart/canvas/ChartFontQt.h"
#include "chart/canvas/RubberBand.h"
#include "chart/series/TLineSeries.h"

using namespace rna::chart;
using rna::chart::test::RecordingChart;

namespace {

struct Range {
    double Min, Max;
    bool operator==(const Range&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Range& r)
{
    return out << r.Min << " .. " << r.Max;
}
Range RangeOf(const TCustomChartAxis* axis)
{
    return {axis->Minimum(), axis->Maximum()};
}

// A flat chart laid out as on the single-input screen, shown in its own window and drawn once.
struct MouseChart {
    RecordingChart chart;
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
    Range Bottom() const { return RangeOf(chart.BottomAxis()); }
    Range Left() const { return RangeOf(chart.LeftAxis()); }
    QImage Shown() { return chart.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // A point of the plotting area, at fractions of its width and height.
    QPoint At(double fx, double fy) const
    {
        const Rect& r = chart.PlotRect();
        return {r.Left + int(fx * r.Width()), r.Top + int(fy * r.Height())};
    }
    // One pixel at a time along the straight line, as a hand moves the mouse; `between` runs after each move.
    void MoveAlong(QPoint from, QPoint to, const std::function<void()>& between = {})
    {
        const QPoint way = to - from;
        const int steps = std::max(std::abs(way.x()), std::abs(way.y()));
        for (int i = 1; i <= steps; ++i) {
            QTest::mouseMove(&chart,
                             from + QPoint(qRound(double(way.x()) * i / steps), qRound(double(way.y()) * i / steps)));
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

QRgb NotXor(TColor pen, QRgb pixel)
{
    return 0xFF000000 | (~(ToQColor(pen).rgb() ^ pixel) & 0xFFFFFF);
}

}  // namespace

// From a chart zoomed once: more than 16 pixels right and down zooms to the rectangle, more than 16 any other way
// restores the ranges from before the first zoom, anything up to 16 pixels in either direction does nothing.
TEST(ChartMouse, LeftDragZoomsUndoesOrDoesNothingByDirectionAndSize)
{
    enum Outcome { Zoom, Undo, Nothing };
    struct Case {
        int dx, dy;
        Outcome outcome;
    };
    const Case cases[] = {{17, 17, Zoom},     {16, 17, Nothing},  {17, 16, Nothing}, {16, 16, Nothing},
                          {-17, -17, Undo},   {17, -17, Undo},    {-17, 17, Undo},   {-16, -30, Nothing},
                          {30, -16, Nothing}, {-30, 16, Nothing}, {120, 60, Zoom}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << ',' << c.dy);
        MouseChart m;
        const Range bottom0 = m.Bottom(), left0 = m.Left();
        m.Drag(Qt::LeftButton, m.At(0.1, 0.1), m.At(0.8, 0.8));
        const Range bottom1 = m.Bottom(), left1 = m.Left();
        ASSERT_NE(bottom1, bottom0);
        const QPoint from = m.At(0.4, 0.4), to = from + QPoint(c.dx, c.dy);
        const AxisScale b = m.chart.BottomAxis()->Scale(), l = m.chart.LeftAxis()->Scale();
        const int requests = m.chart.RedrawRequests();
        m.Drag(Qt::LeftButton, from, to);
        switch (c.outcome) {
        case Zoom:
            EXPECT_EQ(m.Bottom(), (Range{b.PixelToValue(from.x()), b.PixelToValue(to.x())}));
            EXPECT_EQ(m.Left(), (Range{l.PixelToValue(to.y()), l.PixelToValue(from.y())}));
            EXPECT_EQ(m.zooms, 2);
            break;
        case Undo:
            EXPECT_EQ(m.Bottom(), bottom0);
            EXPECT_EQ(m.Left(), left0);
            EXPECT_EQ(m.undos, 1);
            EXPECT_FALSE(m.chart.Mouse().Zoomed());
            break;
        case Nothing:
            EXPECT_EQ(m.Bottom(), bottom1);
            EXPECT_EQ(m.Left(), left1);
            EXPECT_EQ(m.chart.RedrawRequests(), requests);
            break;
        }
    }
}

// The value under the pressed pixel follows the pointer on both axes, one redraw per move, in every direction.
TEST(ChartMouse, RightDragPansBothAxesWithThePointer)
{
    const QPoint ways[] = {{25, 0}, {-25, 0}, {0, 25}, {0, -25}, {15, -10}};
    for (const QPoint way : ways) {
        SCOPED_TRACE(testing::Message() << way.x() << ',' << way.y());
        MouseChart m;
        m.chart.LeftAxis()->SetLabelsSize(30);  // labels of another width would move the plotting area
        m.Shown();
        const QPoint from = m.At(0.5, 0.5), to = from + way;
        const AxisScale b = m.chart.BottomAxis()->Scale(), l = m.chart.LeftAxis()->Scale();
        QTest::mousePress(&m.chart, Qt::RightButton, {}, from);
        int renders = m.chart.renders;
        m.MoveAlong(from, to, [&] {
            QCoreApplication::processEvents();
            EXPECT_EQ(m.chart.renders, ++renders);
        });
        QTest::mouseRelease(&m.chart, Qt::RightButton, {}, to);
        m.Shown();
        EXPECT_NEAR(m.chart.BottomAxis()->PixelToValue(to.x()), b.PixelToValue(from.x()), 1e-12);
        EXPECT_NEAR(m.chart.LeftAxis()->PixelToValue(to.y()), l.PixelToValue(from.y()), 1e-12);
        EXPECT_NEAR(m.chart.BottomAxis()->RangeSpan(), b.RangeSpan, 1e-12);
        EXPECT_NEAR(m.chart.LeftAxis()->RangeSpan(), l.RangeSpan, 1e-12);
        EXPECT_EQ(m.scrolls, std::max(std::abs(way.x()), std::abs(way.y())));
    }
}

TEST(ChartMouse, PanStopsWhenThePointerLeavesThePlotAreaAndUndoGoesBackToBeforeIt)
{
    MouseChart m;
    const Range bottom0 = m.Bottom(), left0 = m.Left();
    const QPoint from = m.At(0.5, 0.5), edge(m.chart.PlotRect().Left, from.y());
    QTest::mousePress(&m.chart, Qt::RightButton, {}, from);
    m.MoveAlong(from, edge);
    const Range atEdge = m.Bottom();
    m.MoveAlong(edge, edge - QPoint(1, 0));
    EXPECT_FALSE(m.chart.Mouse().Panning().Active);
    m.MoveAlong(edge - QPoint(1, 0), from);
    QTest::mouseRelease(&m.chart, Qt::RightButton, {}, from);
    EXPECT_EQ(m.Bottom(), atEdge);
    // The ranges were saved at the first pan step; a zoom after it keeps them.
    m.Drag(Qt::LeftButton, m.At(0.2, 0.2), m.At(0.7, 0.7));
    m.Drag(Qt::LeftButton, m.At(0.7, 0.7), m.At(0.2, 0.2));
    EXPECT_EQ(m.Bottom(), bottom0);
    EXPECT_EQ(m.Left(), left0);
}

// Where a press may start a zoom or a pan: series, axes (up to 3 pixels inside the plotting area) and the
// plotting area of a chart with an active series; not the title, not the labels beyond the axis' band.
TEST(ChartMouse, OnlyAxesSeriesAndThePlottingAreaStartADrag)
{
    struct Case {
        const char* where;
        bool activeSeries;
        std::function<QPoint(MouseChart&)> point;
        bool starts;
    };
    const auto left = [](MouseChart& m) { return m.chart.LeftAxis(); };
    const auto bottom = [](MouseChart& m) { return m.chart.BottomAxis(); };
    const int midY = 90, midX = 200;
    const Case cases[] = {
        {"title", true,
         [](MouseChart& m) {
             const Rect& t = m.chart.Title().TitleBox();
             return QPoint(t.CenterX(), t.CenterY());
         },
         false},
        {"left labels", true, [&](MouseChart& m) { return QPoint(left(m)->LabelsPos - 1, midY); }, false},
        {"left ticks", true, [&](MouseChart& m) { return QPoint(left(m)->LabelsPos, midY); }, true},
        {"bottom labels", true, [&](MouseChart& m) { return QPoint(midX, bottom(m)->LabelsPos); }, false},
        {"bottom ticks", true, [&](MouseChart& m) { return QPoint(midX, bottom(m)->LabelsPos - 1); }, true},
        {"plot area", true, [](MouseChart& m) { return m.At(0.5, 0.3); }, true},
        {"plot area, no active series", false, [](MouseChart& m) { return m.At(0.5, 0.3); }, false},
        {"click gap", false, [](MouseChart& m) { return QPoint(m.chart.PlotRect().Left + 2, midY); }, true},
        {"beyond the gap", false, [](MouseChart& m) { return QPoint(m.chart.PlotRect().Left + 3, midY); }, false},
    };
    for (const Case& c : cases)
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            SCOPED_TRACE(testing::Message() << c.where << ' ' << button);
            MouseChart m(c.activeSeries);
            const QPoint p = c.point(m);
            QTest::mousePress(&m.chart, button, {}, p);
            const bool started = m.chart.Mouse().Zoom().Active || m.chart.Mouse().Panning().Active;
            QTest::mouseRelease(&m.chart, button, {}, p);
            EXPECT_EQ(started, c.starts);
        }
}

TEST(ChartMouse, RubberBandIsDrawnOverTheShownChartAndNeverIntoItsImage)
{
    struct Case {
        TColor chartColor;
        TColor pen;
    };
    for (const Case c : {Case{clBtnFace, ResolveColor(clBtnFace)}, Case{clWhite, clBlack}, Case{clTeal, clTeal}}) {
        SCOPED_TRACE(c.chartColor);
        MouseChart m;
        m.chart.SetColor(c.chartColor);
        const QImage image = m.Shown();
        const int requests = m.chart.RedrawRequests(), renders = m.chart.renders;
        const QPoint from = m.At(0.2, 0.2);
        QTest::mousePress(&m.chart, Qt::LeftButton, {}, from);
        for (const QPoint to : {from + QPoint(30, 20), from + QPoint(12, 40), from - QPoint(8, 9)}) {
            m.MoveAlong(from, to);
            const QImage shown = m.Shown();
            const auto edges = RubberBandEdges({from.x(), from.y(), to.x(), to.y()});
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) {
                    const bool band =
                        std::any_of(edges.begin(), edges.end(), [&](const Rect& e) { return e.Contains(x, y); });
                    ASSERT_EQ(shown.pixel(x, y), band ? NotXor(c.pen, image.pixel(x, y)) : image.pixel(x, y))
                        << x << ',' << y;
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

// Partial turns add up to notches; a turn the other way drops what was left of the last one.
TEST(ChartMouse, WheelScrollsTheVerticalAxesByThreePercentPerNotch)
{
    struct Case {
        std::vector<int> angles;  // wheel events, positive away from the user
        int notches;  // towards the user
    };
    const Case cases[] = {{{-120}, 1},     {{120}, -1},          {{-240}, 2},
                          {{-40, -40}, 0}, {{-40, -40, -40}, 1}, {{-60, 120}, -1}};
    for (const Case& c : cases) {
        MouseChart m;
        const Range bottom = m.Bottom();
        Range expected = m.Left();
        for (int i = 0; i < std::abs(c.notches); ++i) {
            const double s = (c.notches > 0 ? 1 : -1) * ((expected.Max - expected.Min) * 3 * 0.01);
            expected = {expected.Min + s, expected.Max + s};
        }
        for (const int angle : c.angles) {
            const QPoint p = m.At(0.5, 0.5);
            QWheelEvent wheel(p, m.chart.mapToGlobal(p), {}, {0, angle}, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(&m.chart, &wheel);
        }
        EXPECT_EQ(m.Left(), expected) << c.notches;
        EXPECT_EQ(m.Bottom(), bottom);
        EXPECT_TRUE(m.chart.Mouse().NothingSaved());
    }
}

// The rest of the drag never comes: the drag ends at once, no zoom and no band; later moves pan nothing.
TEST(ChartMouse, CutShortInputEndsTheDrag)
{
    struct Case {
        const char* what;
        std::function<void(MouseChart&)> cut;
        std::function<void(MouseChart&)> after;
    };
    const Case cases[] = {
        {"window hidden", [](MouseChart& m) { m.chart.hide(); }, [](MouseChart& m) { m.chart.show(); }},
        {"modal window opened",
         [](MouseChart&) {
             QDialog box;
             box.setWindowModality(Qt::ApplicationModal);
             box.show();
         },
         {}},
        {"button released elsewhere",
         [](MouseChart& m) {
             const QPoint p = m.At(0.6, 0.6);
             QMouseEvent move(QEvent::MouseMove, p, m.chart.mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(&m.chart, &move);
         },
         {}},
    };
    for (const Case& c : cases)
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            SCOPED_TRACE(testing::Message() << c.what << ' ' << button);
            MouseChart m;
            const QImage image = m.Shown();
            const Range bottom = m.Bottom(), left = m.Left();
            const QPoint from = m.At(0.2, 0.2), to = m.At(0.7, 0.7);
            QTest::mousePress(&m.chart, button, {}, from);
            m.MoveAlong(from, to - QPoint(20, 20));
            c.cut(m);
            if (c.after)
                c.after(m);
            EXPECT_FALSE(m.chart.Mouse().Zoom().Active || m.chart.Mouse().Panning().Active);
            const Range panned = m.Bottom();
            m.MoveAlong(to - QPoint(20, 20), to);
            QTest::mouseRelease(&m.chart, button, {}, to);
            EXPECT_EQ(m.Bottom(), button == Qt::LeftButton ? bottom : panned);
            if (button == Qt::LeftButton) {
                EXPECT_EQ(m.Left(), left);
                EXPECT_EQ(m.Shown(), image);
            }
        }
}

// A click event that ran takes the press: no drag starts from it. The background's event has the plotting
// area's press before a zoom could, and any press that hit nothing else.
TEST(ChartMouse, ClickEventsTakeThePress)
{
    struct Case {
        const char* where;
        std::function<QPoint(MouseChart&)> point;
        const char* expected;  // the events that ran
        bool drags;
    };
    const auto title = [](MouseChart& m) {
        const Rect& t = m.chart.Title().TitleBox();
        return QPoint(t.CenterX(), t.CenterY());
    };
    const Case cases[] = {
        {"series point", [](MouseChart& m) { return QPoint(m.series.CalcXPos(12), m.series.CalcYPos(12)); },
         "series 12 ", false},
        {"left axis", [](MouseChart& m) { return QPoint(m.chart.LeftAxis()->LabelsPos, 60); }, "axis ", false},
        {"plot area", [](MouseChart& m) { return m.At(0.8, 0.2); }, "background ", false},
        {"title", title, "background ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        MouseChart m;
        std::string log;
        const auto note = [&](const std::string& what) {
            log += what + ' ';
            EXPECT_TRUE(m.chart.Mouse().InClickEvent());
        };
        m.chart.SetOnClickSeries([&](TChartSeries&, int index, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            note("series " + std::to_string(index));
        });
        m.chart.SetOnClickAxis([&](TCustomChartAxis& axis, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
            EXPECT_EQ(&axis, m.chart.LeftAxis());
            note("axis");
        });
        m.chart.SetOnClickBackground([&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) { note("background"); });
        const QPoint p = c.point(m);
        QTest::mousePress(&m.chart, Qt::LeftButton, {}, p);
        EXPECT_EQ(m.chart.Mouse().Zoom().Active, c.drags);
        EXPECT_FALSE(m.chart.Mouse().InClickEvent());
        QTest::mouseRelease(&m.chart, Qt::LeftButton, {}, p);
        EXPECT_EQ(log, c.expected);
    }
}

// The switches and the keys a drag needs: what a drag of 40 pixels right and down changes.
TEST(ChartMouse, SwitchesAndRequiredKeysDecideWhichDragsMove)
{
    struct Case {
        const char* setting;
        std::function<void(MouseChart&)> set;
        Qt::MouseButton button;
        Qt::KeyboardModifiers keys;
        bool bottomMoves, leftMoves;
    };
    const Case cases[] = {
        {"AllowZoom off", [](MouseChart& m) { m.chart.SetAllowZoom(false); }, Qt::LeftButton, {}, false, false},
        {"pmNone",
         [](MouseChart& m) { m.chart.SetAllowPanning(TPanningMode::pmNone); },
         Qt::RightButton,
         {},
         false,
         false},
        {"pmHorizontal",
         [](MouseChart& m) { m.chart.SetAllowPanning(TPanningMode::pmHorizontal); },
         Qt::RightButton,
         {},
         true,
         false},
        {"pmVertical",
         [](MouseChart& m) { m.chart.SetAllowPanning(TPanningMode::pmVertical); },
         Qt::RightButton,
         {},
         false,
         true},
        {"Shift needed",
         [](MouseChart&) { MouseSettings().ZoomKeys = Qt::ShiftModifier; },
         Qt::LeftButton,
         {},
         false,
         false},
        {"Shift held", [](MouseChart&) { MouseSettings().ZoomKeys = Qt::ShiftModifier; }, Qt::LeftButton,
         Qt::ShiftModifier | Qt::ControlModifier, true, true},
        {"animated",
         [](MouseChart& m) {
             m.chart.SetAnimatedZoom(true);
             m.chart.SetAnimatedZoomSteps(4);
         },
         Qt::LeftButton,
         {},
         true,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setting);
        MouseChart m;
        c.set(m);
        const Range bottom = m.Bottom(), left = m.Left();
        const int renders = m.chart.renders;
        const QPoint from = m.At(0.3, 0.3);
        const AxisScale b = m.chart.BottomAxis()->Scale();
        m.Drag(c.button, from, from + QPoint(40, 40), c.keys);
        MouseSettings() = ChartMouseSettings();
        EXPECT_EQ(m.Bottom() != bottom, c.bottomMoves);
        EXPECT_EQ(m.Left() != left, c.leftMoves);
        if (m.chart.AnimatedZoom()) {
            EXPECT_EQ(m.chart.renders - renders, 3 + 1) << "two steps shown at once, then the zoomed chart";
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
    m.Shown();
    const Range before = m.Left();
    m.Drag(Qt::LeftButton, m.At(0.2, 0.2), m.At(0.6, 0.6));
    EXPECT_FALSE(left.AutomaticMinimum());
    m.Drag(Qt::LeftButton, m.At(0.6, 0.6), m.At(0.2, 0.2));
    EXPECT_TRUE(left.AutomaticMinimum());
    EXPECT_FALSE(left.AutomaticMaximum());
    EXPECT_FALSE(left.Automatic());
    EXPECT_EQ(left.Maximum(), before.Max);
}
