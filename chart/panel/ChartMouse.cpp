#include "chart/panel/ChartMouse.h"

#include <cstdlib>
#include <vector>

#include "chart/canvas/ChartFontQt.h"
#include "chart/canvas/RubberBand.h"
#include "chart/panel/TCustomChart.h"
#include "chart/series/TChartSeries.h"
#include "ui/TNotifyEvent.h"

namespace rna::chart {

namespace {

// A drag must exceed this many pixels in both directions to zoom or undo; smaller ones are clicks.
constexpr int ZoomThreshold = 16;

// Cursor numbers: the chart's own cursor, and the arrow a drag shows.
constexpr int OwnCursor = 0;
constexpr int ArrowCursor = -2;

bool KeysHeld(Qt::KeyboardModifiers held, Qt::KeyboardModifiers required)
{
    return (held & required) == required;
}

// The rubber band's pen: the chart's colour, or black where that is white and the band would not show.
TColor RubberBandPen(TColor chartColor)
{
    const TColor rgb = ResolveColor(chartColor);
    return rgb == clWhite ? clBlack : rgb;
}

}  // namespace

ChartMouseSettings& MouseSettings()
{
    static ChartMouseSettings settings;
    return settings;
}

// ---- press

void ChartMouse::Press(const ChartMouseInput& input)
{
    EndLostDrag(input);
    if (zoom_.Active || panning_.Active)
        return;
    // A press that arrives while one of this chart's click events runs (its handler runs an event loop).
    if (inClickEvent_) {
        inClickEvent_ = false;
        return;
    }
    const ChartHit hit = HitTest(chart_, input.X, input.Y);
    using Part = ChartHit::Part;
    bool handled = RaiseClickEvents(hit, input);
    if (!handled && (hit.What == Part::Series || hit.What == Part::Axis || hit.What == Part::PlotArea))
        handled = StartDrag(input);
    if (!handled && events_.OnClickBackground)
        RaiseClick([&] { events_.OnClickBackground(input.Button, input.Keys, input.X, input.Y); });
    inClickEvent_ = false;
}

// Answers whether an event ran; the background's event has its turn here for the plotting area only.
bool ChartMouse::RaiseClickEvents(const ChartHit& hit, const ChartMouseInput& in)
{
    bool handled = false;
    const auto raise = [&](bool assigned, const std::function<void()>& call) {
        if (assigned) {
            RaiseClick(call);
            handled = true;
        }
    };
    using Part = ChartHit::Part;
    if (hit.What == Part::Series) {
        TChartSeries& series = *hit.Series;
        const auto& own = in.DoubleClick ? series.OnDblClick : series.OnClick;
        raise(bool(own), [&] { own(series, hit.ValueIndex, in.Button, in.Keys, in.X, in.Y); });
        raise(bool(events_.OnClickSeries),
              [&] { events_.OnClickSeries(series, hit.ValueIndex, in.Button, in.Keys, in.X, in.Y); });
    } else if (hit.What == Part::Axis) {
        raise(bool(events_.OnClickAxis), [&] { events_.OnClickAxis(*hit.Axis, in.Button, in.Keys, in.X, in.Y); });
    } else if (hit.What == Part::Legend) {
        raise(bool(events_.OnClickLegend), [&] { events_.OnClickLegend(in.Button, in.Keys, in.X, in.Y); });
    } else if (hit.What == Part::PlotArea) {
        raise(bool(events_.OnClickBackground), [&] { events_.OnClickBackground(in.Button, in.Keys, in.X, in.Y); });
    }
    return handled;
}

// A zoom and a pan may start from the same press when both buttons are set alike.
bool ChartMouse::StartDrag(const ChartMouseInput& input)
{
    const ChartMouseSettings& settings = MouseSettings();
    bool started = false;
    if (chart_.AllowZoom() && input.Button == settings.ZoomButton && KeysHeld(input.Keys, settings.ZoomKeys)) {
        ShowCursor(ArrowCursor);
        zoom_.Activate(input.X, input.Y);
        started = true;
    }
    if (chart_.AllowPanning() != TPanningMode::pmNone && input.Button == settings.PanningButton &&
        KeysHeld(input.Keys, settings.PanningKeys)) {
        ShowCursor(ArrowCursor);
        panning_.Activate(input.X, input.Y);
        started = true;
    }
    return started;
}

void ChartMouse::EndLostDrag(const ChartMouseInput& input)
{
    const ChartMouseSettings& settings = MouseSettings();
    const auto lost = [&](const DragRecord& record, Qt::MouseButton button) {
        // A button cannot be pressed again while it is down: its release went elsewhere.
        return record.Active && (!(input.Held & button) || input.Button == button);
    };
    if (lost(zoom_, settings.ZoomButton) || lost(panning_, settings.PanningButton))
        CancelDrag();
}

void ChartMouse::CancelDrag()
{
    if (zoom_.Active) {
        zoom_.Active = false;
        RepaintRubberBand();
    }
    panning_.Active = false;
}

// ---- move

void ChartMouse::Move(const ChartMouseInput& input)
{
    EndLostDrag(input);
    if (zoom_.Active)
        DragRubberBand(input.X, input.Y);
    else if (panning_.Active)
        PanStep(input.X, input.Y);
    else
        FollowSeriesCursor(input.X, input.Y);
}

// Over a point of an active series with a cursor of its own the chart shows that cursor, elsewhere its own.
void ChartMouse::FollowSeriesCursor(int x, int y)
{
    int cursor = OwnCursor;
    for (TChartSeries* series : chart_.SeriesList())
        if (series->Active() && series->Cursor() != OwnCursor && series->Clicked(x, y) >= 0)
            cursor = series->Cursor();
    ShowCursor(cursor);
}

// Every idle move asks for a cursor; the window hears of it only when it changes.
void ChartMouse::ShowCursor(int cursor)
{
    if (cursor == shownCursor_)
        return;
    shownCursor_ = cursor;
    chart_.ShowCursor(cursor);
}

// Only the pixels of the old and the new band are painted again, from the chart's image: no redraw.
void ChartMouse::DragRubberBand(int x, int y)
{
    if (x == zoom_.X1 && y == zoom_.Y1)
        return;
    RepaintRubberBand();
    zoom_.X1 = x;
    zoom_.Y1 = y;
    RepaintRubberBand();
}

// Each step is measured from the previous pointer position, so the value under the pointer follows it.
void ChartMouse::PanStep(int x, int y)
{
    if (!chart_.PlotRect().Contains(x, y)) {
        panning_.Active = false;
        return;
    }
    if (x == panning_.X1 && y == panning_.Y1)
        return;
    bool moved = false;
    SaveRangesOnce();
    Pan(true, panning_.X1, x, moved);
    Pan(false, panning_.Y1, y, moved);
    panning_.X1 = x;
    panning_.Y1 = y;
    if (moved) {
        Raise(events_.OnScroll);
        chart_.ScheduleRedraw();
    }
}

void ChartMouse::Pan(bool horizontal, int from, int to, bool& moved)
{
    if (from == to)
        return;
    const TPanningMode mode = chart_.AllowPanning();
    const TPanningMode direction = horizontal ? TPanningMode::pmHorizontal : TPanningMode::pmVertical;
    if (mode != TPanningMode::pmBoth && mode != direction)
        return;
    const std::vector<TCustomChartAxis*> axes = chart_.AxesList();  // a handler may change the list
    for (TCustomChartAxis* axis : axes) {
        if (axis->IsDepth() || axis->IsHorizontal() != horizontal)
            continue;
        const AxisScale& scale = chart_.Layout().ScaleOf(chart_, *axis);
        const double d = scale.PixelToValue(from) - scale.PixelToValue(to);
        double low = axis->Minimum() + d;
        double high = axis->Maximum() + d;
        bool allow = true;
        if (events_.OnAllowScroll)
            Raise([&] { events_.OnAllowScroll(*axis, low, high, allow); });
        if (allow)
            axis->SetRange(low, high);
    }
    moved = true;
}

// ---- release

void ChartMouse::Release(const ChartMouseInput& input)
{
    if (zoom_.Active && input.Button == MouseSettings().ZoomButton) {
        zoom_.Active = false;
        RepaintRubberBand();
        zoom_.X1 = input.X;
        zoom_.Y1 = input.Y;
        const int dx = zoom_.X1 - zoom_.X0;
        const int dy = zoom_.Y1 - zoom_.Y0;
        if (std::abs(dx) > ZoomThreshold && std::abs(dy) > ZoomThreshold) {
            if (dx > 0 && dy > 0)
                chart_.ZoomToRect();
            else
                chart_.UndoZoom();
            chart_.ScheduleRedraw();
        }
    }
    panning_.Active = false;
}

// ---- zoom and undo

void ChartMouse::ZoomToRect()
{
    zoom_.Order();
    // The lower edge of the rectangle gives the lower value of a vertical axis.
    const auto target = [this](TCustomChartAxis* axis) -> ZoomTarget {
        const AxisScale& scale = chart_.Layout().ScaleOf(chart_, *axis);
        if (axis->IsHorizontal())
            return {axis, scale.PixelToValue(zoom_.X0), scale.PixelToValue(zoom_.X1)};
        return {axis, scale.PixelToValue(zoom_.Y1), scale.PixelToValue(zoom_.Y0)};
    };
    const std::array<ZoomTarget, 4> targets = {target(chart_.LeftAxis()), target(chart_.RightAxis()),
                                               target(chart_.TopAxis()), target(chart_.BottomAxis())};
    SaveRangesOnce();
    if (chart_.AnimatedZoom())
        AnimateZoom(targets);
    for (const ZoomTarget& t : targets)
        t.Axis->SetRange(t.Low, t.High);
    zoomed_ = true;
    Raise(events_.OnZoom);
}

// Every step covers a fixed part of the way that is left, and is shown at once.
void ChartMouse::AnimateZoom(const std::array<ZoomTarget, 4>& targets)
{
    const double factor = MouseSettings().AnimatedZoomFactor;
    for (int step = 1; step < chart_.AnimatedZoomSteps(); ++step) {
        for (const ZoomTarget& t : targets) {
            const double low = t.Axis->Minimum();
            const double high = t.Axis->Maximum();
            t.Axis->SetRange(low + (t.Low - low) / factor, high + (t.High - high) / factor);
        }
        chart_.RepaintNow();
    }
}

// The ends are restored before the automatic switches, which SetRange would otherwise turn off again.
void ChartMouse::UndoZoom()
{
    if (!nothingSaved_) {
        const std::array<TCustomChartAxis*, 4> axes = {chart_.TopAxis(), chart_.BottomAxis(), chart_.LeftAxis(),
                                                       chart_.RightAxis()};
        for (std::size_t i = 0; i < axes.size(); ++i) {
            TCustomChartAxis& axis = *axes[i];
            const SavedRange& saved = saved_[i];
            if (!saved.Automatic)
                axis.SetRange(saved.Minimum, saved.Maximum);
            axis.SetAutomatic(saved.Automatic);
            axis.SetAutomaticMinimum(saved.AutomaticMinimum);
            axis.SetAutomaticMaximum(saved.AutomaticMaximum);
        }
    }
    nothingSaved_ = true;
    Raise(events_.OnUndoZoom);
    chart_.ScheduleRedraw();
    zoomed_ = false;
}

void ChartMouse::SaveRangesOnce()
{
    if (!nothingSaved_)
        return;
    const std::array<const TCustomChartAxis*, 4> axes = {chart_.TopAxis(), chart_.BottomAxis(), chart_.LeftAxis(),
                                                         chart_.RightAxis()};
    for (std::size_t i = 0; i < axes.size(); ++i) {
        const TCustomChartAxis& axis = *axes[i];
        saved_[i] = {axis.Automatic(), axis.AutomaticMinimum(), axis.AutomaticMaximum(), axis.Minimum(),
                     axis.Maximum()};
    }
    nothingSaved_ = false;
}

// ---- wheel

// Both ends move by the same amount, without the range checks; the saved ranges stay as they are.
void ChartMouse::Wheel(int notches)
{
    const double direction = notches > 0 ? 1.0 : -1.0;
    const std::vector<TCustomChartAxis*> axes = chart_.AxesList();
    for (int i = 0; i < std::abs(notches); ++i)
        for (TCustomChartAxis* axis : axes)
            if (!axis->IsHorizontal() && !axis->IsDepth())
                axis->Scroll(direction * ((axis->Maximum() - axis->Minimum()) * 3 * 0.01));
    chart_.ScheduleRedraw();
}

// ---- rubber band

void ChartMouse::PaintRubberBand(QPainter& painter) const
{
    if (zoom_.Active)
        rna::chart::PaintRubberBand(painter, chart_.Canvas().Image(), zoom_.Corners(), RubberBandPen(chart_.Color()),
                                    chart_.Canvas().Grid());
}

void ChartMouse::RepaintRubberBand() const
{
    for (const Rect& edge : RubberBandEdges(zoom_.Corners()))
        chart_.RepaintArea(edge);
}

// ---- events

void ChartMouse::Raise(const std::function<void()>& handler) const
{
    if (handler)
        rna::ui::fire([&](QObject*) { handler(); }, &chart_);
}

// The flag stays set until the press is done with; a press arriving meanwhile is dropped.
void ChartMouse::RaiseClick(const std::function<void()>& handler)
{
    inClickEvent_ = true;
    Raise(handler);
}

}  // namespace rna::chart
