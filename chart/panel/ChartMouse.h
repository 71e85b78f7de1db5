// Mouse zoom, undo, panning and wheel scrolling of one chart: pixel change -> inverse mapping -> new axis
// range -> ScheduleRedraw. Nothing is drawn here except the rubber band, over the shown chart.
#pragma once

#include <QtGlobal>
#include <array>
#include <functional>
#include <utility>

#include "chart/core/ChartGeometry.h"
#include "chart/panel/ChartHitTest.h"
#include "chart/panel/ChartMouseInput.h"

class QPainter;

namespace rna::chart {

class TChartSeries;
class TCustomChart;
class TCustomChartAxis;

// A rectangle dragged with the mouse, in client pixels: the zoom record and the panning record.
struct DragRecord {
    bool Active = false;
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;

    void Activate(int x, int y)
    {
        Active = true;
        X0 = X1 = x;
        Y0 = Y1 = y;
    }
    // Swaps the corners where needed so that X0 <= X1 and Y0 <= Y1.
    void Order()
    {
        if (X1 < X0)
            std::swap(X0, X1);
        if (Y1 < Y0)
            std::swap(Y0, Y1);
    }
    Rect Corners() const { return {X0, Y0, X1, Y1}; }
};

// The mouse settings every chart shares.
struct ChartMouseSettings {
    Qt::MouseButton ZoomButton = Qt::LeftButton;
    Qt::MouseButton PanningButton = Qt::RightButton;
    Qt::KeyboardModifiers ZoomKeys;  // keys that must be held for a zoom (none)
    Qt::KeyboardModifiers PanningKeys;  // keys that must be held for a pan (none)
    double AnimatedZoomFactor = 3.0;  // an animated zoom step covers 1 / factor of the way left
};
ChartMouseSettings& MouseSettings();

// The events of the chart's mouse handling; each may be empty.
struct ChartMouseEvents {
    using TClickSeries = std::function<void(TChartSeries& series, int valueIndex, Qt::MouseButton button,
                                            Qt::KeyboardModifiers keys, int x, int y)>;
    using TClickAxis =
        std::function<void(TCustomChartAxis& axis, Qt::MouseButton button, Qt::KeyboardModifiers keys, int x, int y)>;
    using TClick = std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers keys, int x, int y)>;
    // May change the new range or forbid the move (allow = false).
    using TAllowScroll =
        std::function<void(TCustomChartAxis& axis, double& newMinimum, double& newMaximum, bool& allow)>;
    using TNotify = std::function<void()>;

    TClickSeries OnClickSeries;
    TClickAxis OnClickAxis;
    TClick OnClickLegend;
    TClick OnClickBackground;
    TNotify OnZoom;
    TNotify OnUndoZoom;
    TAllowScroll OnAllowScroll;
    TNotify OnScroll;
};

class ChartMouse {
public:
    explicit ChartMouse(TCustomChart& chart) : chart_(chart) {}
    ChartMouse(const ChartMouse&) = delete;
    ChartMouse& operator=(const ChartMouse&) = delete;

    void Press(const ChartMouseInput& input);
    void Move(const ChartMouseInput& input);
    void Release(const ChartMouseInput& input);
    // Scrolls every vertical axis by 3 % of its span per notch, towards the user for positive notches.
    void Wheel(int notches);
    // Ends a drag whose input was cut short: no zoom, the rubber band goes, a pan stops where it is.
    void CancelDrag();

    // Zooms the four axes to the zoom record's rectangle; the ranges from before are saved once.
    void ZoomToRect();
    // Gives the four axes back the ranges saved at the first zoom or pan step.
    void UndoZoom();

    // Draws the rubber band of a zoom being dragged over what painter shows.
    void PaintRubberBand(QPainter& painter) const;

    ChartMouseEvents& Events() { return events_; }
    const DragRecord& Zoom() const { return zoom_; }
    const DragRecord& Panning() const { return panning_; }
    bool Zoomed() const { return zoomed_; }
    bool NothingSaved() const { return nothingSaved_; }
    bool InClickEvent() const { return inClickEvent_; }

private:
    struct SavedRange {
        bool Automatic = true;
        bool AutomaticMinimum = true;
        bool AutomaticMaximum = true;
        double Minimum = 0;
        double Maximum = 0;
    };
    struct ZoomTarget {
        TCustomChartAxis* Axis;
        double Low;
        double High;
    };

    // A drag whose button is no longer down lost its release (the pointer was taken elsewhere).
    void EndLostDrag(const ChartMouseInput& input);
    bool RaiseClickEvents(const ChartHit& hit, const ChartMouseInput& in);
    bool StartDrag(const ChartMouseInput& input);
    void DragRubberBand(int x, int y);
    void PanStep(int x, int y);
    void FollowSeriesCursor(int x, int y);
    void ShowCursor(int cursor);
    void Pan(bool horizontal, int from, int to, bool& moved);
    void AnimateZoom(const std::array<ZoomTarget, 4>& targets);
    void SaveRangesOnce();
    void RepaintRubberBand() const;
    // Runs a handler through the windowing layer's dispatch point, which shows what it throws.
    void Raise(const std::function<void()>& handler) const;
    void RaiseClick(const std::function<void()>& handler);

    TCustomChart& chart_;
    ChartMouseEvents events_;
    DragRecord zoom_;
    DragRecord panning_;
    std::array<SavedRange, 4> saved_;  // top, bottom, left, right
    bool nothingSaved_ = true;
    bool zoomed_ = false;
    bool inClickEvent_ = false;
    int shownCursor_ = 0;  // the cursor number last given to the chart; 0 is its own
};

}  // namespace rna::chart
