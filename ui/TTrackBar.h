// Slider: Min at the left or top, arrow keys towards Min for Left/Up and towards Max for Right/Down,
// OnChange per user action (the press or move and once more when the action ends) and per changed Position.
#pragma once

#include "ui/Notify.h"
#include "ui/TNotifyEvent.h"
#include "ui/TrackBarStyle.h"

#include <QSlider>
#include <QTimer>
#include <optional>
#include <vector>

namespace rna::ui {

enum class TTrackBarOrientation { trHorizontal, trVertical };
enum class TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum class TTickStyle { tsNone, tsAuto, tsManual };

class TTrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TTrackBar(QWidget* parent = nullptr);

    int min() const { return minimum(); }
    int max() const { return maximum(); }
    int position() const { return value(); }
    // A range that would be inverted is ignored; a position moved by the new range fires OnChange.
    void setMin(int min, Notify notify = Notify::Yes);
    void setMax(int max, Notify notify = Notify::Yes);
    // Clamped into Min ... Max; fires OnChange when the position changes.
    void setPosition(int position, Notify notify = Notify::Yes);

    int frequency() const { return frequency_; }
    void setFrequency(int frequency);
    int lineSize() const { return lineSize_; }
    void setLineSize(int size) { lineSize_ = size; }
    int pageSize() const { return pageSize_; }
    void setPageSize(int size) { pageSize_ = size; }
    TTrackBarOrientation trackOrientation() const { return orientation_; }
    void setTrackOrientation(TTrackBarOrientation orientation);
    TTickMark tickMarks() const { return tickMarks_; }
    void setTickMarks(TTickMark marks);
    TTickStyle tickStyle() const { return tickStyle_; }
    void setTickStyle(TTickStyle style);
    int thumbLength() const { return thumbLength_; }
    void setThumbLength(int length);
    int selStart() const { return selStart_; }
    int selEnd() const { return selEnd_; }
    void setSelStart(int value);
    void setSelEnd(int value);
    bool sliderVisible() const { return sliderVisible_; }
    void setSliderVisible(bool visible);

    // Where the thumb is drawn now.
    QRect thumbRect() const;
    // The positions where ticks are drawn.
    std::vector<int> tickPositions() const;

    void setOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

    // Loading: Min, Max and Position are collected and applied together, without events, once all are read.
    void setLoadedMin(int min) { pending_.min = min; }
    void setLoadedMax(int max) { pending_.max = max; }
    void setLoadedPosition(int position) { pending_.position = position; }
    void applyLoadedRange();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class Drag { None, Thumb, Channel };

    // A scroll notification of a user action: moves to `target` (clamped) and fires OnChange, changed or not.
    void userScroll(int target);
    int keyTarget(int key) const;
    int positionAt(const QPoint& point) const;
    QRect grooveRect() const;
    // Where the thumb's travel starts and how many pixels it spans, along the slider's orientation.
    struct Travel {
        int start = 0;
        int span = 1;
        int thumbSize = 0;
        bool upsideDown = false;
    };
    Travel travel() const;
    // The pixel of a position's tick along the slider (the thumb's centre there).
    int pixelOf(int position) const;
    int pixelOf(int position, const Travel& travel) const;
    void channelStep();
    void fireChange();
    // Opaque painting while the parent is a window, whose colour paintEvent fills the rectangle with.
    void coverWindowBeneath();
    // A held button's action: a channel repeat or a thumb drag. It ends with one change event, as at a
    // release, also when it is cut short (window hidden or blocked, mouse taken elsewhere).
    void beginMouseAction(Drag kind);
    void endMouseAction();
    bool mouseTakenElsewhere() const;

    TNotifyEvent onChange_;
    int frequency_ = 1;
    int lineSize_ = 1;
    int pageSize_ = 2;
    int thumbLength_ = 20;
    int selStart_ = 0;
    int selEnd_ = 0;
    bool sliderVisible_ = true;
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
    TTickMark tickMarks_ = TTickMark::tmBottomRight;
    TTickStyle tickStyle_ = TTickStyle::tsAuto;
    struct PendingRange {
        std::optional<int> min;
        std::optional<int> max;
        std::optional<int> position;
    };
    PendingRange pending_;
    Drag drag_ = Drag::None;
    int dragOffset_ = 0;
    QPoint channelPoint_;
    QTimer channelRepeat_;
    int wheelRemainder_ = 0;  // the part of a wheel notch turned so far
    TrackBarStyle* style_;  // owned through Qt parenting
};

}  // namespace rna::ui
