// Slider: Min at the left or top, arrow keys towards Min for Left/Up and towards Max for Right/Down,
// OnChange per user action (the press or move and once more when the action ends) and per changed Position.
#pragma once

#include "ui/Notify.h"
#include "ui/TNotifyEvent.h"
#include "ui/TrackBarStyle.h"

#include <QImage>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QVarLengthArray>
#include <functional>
#include <optional>
#include <vector>

class QPainter;
class QStyleOptionSlider;

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
    // A position asked for by an assistive technology: one user action, as a key press is (clamped; OnChange
    // for the move and once more for its end, changed or not).
    void setPositionAsUser(int position);

    // How assistive technology reads the slider: `positionsPerUnit` positions make one unit of the value it
    // reports, and `text` writes the value of a position as the window shows it. By default a position reads as
    // itself, written in digits.
    struct Reading {
        int positionsPerUnit = 1;
        std::function<QString(int position)> text;
    };
    void setReading(Reading reading);
    double valueOf(int position) const { return double(position) / reading_.positionsPerUnit; }
    QString textOf(int position) const;
    // The position nearest a value, clamped into Min ... Max; no number (NaN) is the current position.
    int positionOf(double value) const;

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
    // Whether a held channel press will step again (its repeat timer runs): false once the thumb has reached
    // the pointer or the action has ended.
    bool channelRepeating() const { return channelRepeat_.isActive(); }

    void setOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

    // Whether a paint copies the kept pictures of the parts that stay while only the position changes (see
    // paintEvent) or draws every part through the style; both give the same pixels. On by default.
    bool keepsStillLayers() const { return keepsStillLayers_; }
    void setKeepsStillLayers(bool keep);
    // Whether the layers kept at the last paint could be copied (else that paint drew through the style).
    bool stillLayersUsable() const { return keepsStillLayers_ && layers_ && layers_->usable; }

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
    // Every change of Qt's value passes here: one not made by this control's own setters (the slider's Qt
    // interface, setValue) fires OnChange as a position set from code does.
    void sliderChange(SliderChange change) override;

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
    // What paintEvent draws: the style's groove and thumb, the selection band and the tick marks.
    void paintThroughStyle(QPainter& painter, QStyleOptionSlider& option,
                           const std::optional<QColor>& windowColor) const;
    QRect selectionBand(const QRect& groove, const Travel& along) const;
    QVarLengthArray<QLine, 64> tickLines(const Travel& along) const;

    // Everything the still layers are drawn from: the style's option for the slider less the position, and the
    // slider's own settings the style does not see. Layers drawn for one look are reused while it stays equal.
    struct Look {
        QRect rect;
        QStyle::State state;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        qint64 palette = 0;  // the palette's cache key, which changes with any of its colours
        QPalette::ColorGroup colorGroup = QPalette::Active;
        Qt::Orientation orientation = Qt::Horizontal;
        bool upsideDown = false;
        int minimum = 0;
        int maximum = 0;
        QSlider::TickPosition tickPosition = QSlider::NoTicks;
        QStyle::SubControls activeSubControls;
        const QStyle* style = nullptr;
        int thumbLength = 0;
        int frequency = 0;
        TTickMark tickMarks = TTickMark::tmBottomRight;
        TTickStyle tickStyle = TTickStyle::tsAuto;
        bool thumbVisible = true;
        QRgb windowColor = 0;
        bool operator==(const Look&) const = default;
    };
    // The parts of the picture that do not depend on the position, drawn once for a look.
    struct StillLayers {
        Look look;
        bool usable = false;  // false where copying could differ from drawing; then paints draw as before
        QImage unfilled;  // the window's colour, the groove as drawn with the thumb at Min, and the tick marks
        QImage filled;  // the window's colour and the groove as drawn with the thumb at Max, filled furthest
        QImage thumb;  // the thumb alone, on transparent pixels; null while the thumb is hidden
        QRect groove;
        QRect thumbAtMin;
        Travel along;
        QColor selection;
    };
    Look lookOf(const QStyleOptionSlider& option, const QColor& windowColor) const;
    void drawStillLayers(const Look& look, const QStyleOptionSlider& option, const QColor& windowColor);
    // Where the thumb is at `position`, from the travel kept with the layers.
    QRect layerThumbAt(int position) const;
    void paintFromLayers(QPainter& painter) const;
    // A held button's action: a channel repeat or a thumb drag. It ends with one change event, as at a
    // release, also when it is cut short (window hidden or blocked, mouse taken elsewhere).
    void beginMouseAction(Drag kind);
    void endMouseAction();
    bool mouseTakenElsewhere() const;

    TNotifyEvent onChange_;
    Reading reading_;
    bool ownChange_ = false;  // set while this control's own setters change Qt's value or range
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
    bool keepsStillLayers_ = true;
    std::optional<StillLayers> layers_;
};

}  // namespace rna::ui
