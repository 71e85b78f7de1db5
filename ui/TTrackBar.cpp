#include "ui/TTrackBar.h"

#include "ui/MouseAction.h"
#include "ui/TForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QVarLengthArray>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace rna::ui {

namespace {
constexpr int kRepeatDelayMs = 300;
constexpr int kRepeatIntervalMs = 100;
// The wheel turn of one notch, in the eighths of a degree the wheel events count.
constexpr int kWheelNotch = 120;

bool isScrollKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}
}  // namespace

TTrackBar::TTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent), style_(new TrackBarStyle)
{
    style_->setParent(this);
    style_->setThumbLength(thumbLength_);
    setStyle(style_);
    const QScopedValueRollback own(ownChange_, true);
    setRange(0, 10);
    setValue(0);
    setFocusPolicy(Qt::StrongFocus);
    resize(150, 45);
    channelRepeat_.setSingleShot(false);
    connect(&channelRepeat_, &QTimer::timeout, this, &TTrackBar::channelStep);
    coverWindowBeneath();
}

void TTrackBar::coverWindowBeneath()
{
    // On a window the slider paints its whole rectangle (see paintEvent), so Qt need not paint the window's
    // labels and pictures beneath it first at every move of the thumb.
    setAttribute(Qt::WA_OpaquePaintEvent, qobject_cast<const TForm*>(parentWidget()) != nullptr);
}

void TTrackBar::fireChange()
{
    fire(onChange_, this);
}

void TTrackBar::setMin(int min, Notify notify)
{
    if (min == minimum() || min > maximum())
        return;
    const int before = value();
    {
        const QScopedValueRollback own(ownChange_, true);
        setRange(min, maximum());
    }
    update();
    if (value() != before && notify == Notify::Yes)
        fireChange();
}

void TTrackBar::setMax(int max, Notify notify)
{
    if (max == maximum() || max < minimum())
        return;
    const int before = value();
    {
        const QScopedValueRollback own(ownChange_, true);
        setRange(minimum(), max);
    }
    update();
    if (value() != before && notify == Notify::Yes)
        fireChange();
}

void TTrackBar::setPosition(int position, Notify notify)
{
    position = std::clamp(position, minimum(), maximum());
    if (position == value())
        return;
    {
        const QScopedValueRollback own(ownChange_, true);
        setValue(position);
    }
    update();
    if (notify == Notify::Yes)
        fireChange();
}

void TTrackBar::applyLoadedRange()
{
    const QScopedValueRollback own(ownChange_, true);
    const int min = pending_.min.value_or(minimum());
    const int max = pending_.max.value_or(maximum());
    if (min <= max)
        setRange(min, max);
    setValue(std::clamp(pending_.position.value_or(value()), minimum(), maximum()));
    pending_ = {};
    update();
}

void TTrackBar::setFrequency(int frequency)
{
    if (frequency == frequency_)
        return;
    frequency_ = frequency;
    update();
}

void TTrackBar::setTrackOrientation(TTrackBarOrientation orientation)
{
    if (orientation == orientation_)
        return;
    orientation_ = orientation;
    const bool vertical = orientation == TTrackBarOrientation::trVertical;
    setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    // Min is at the top of a vertical slider.
    setInvertedAppearance(vertical);
    update();
}

void TTrackBar::setTickMarks(TTickMark marks)
{
    if (marks == tickMarks_)
        return;
    tickMarks_ = marks;
    update();
}

void TTrackBar::setTickStyle(TTickStyle style)
{
    if (style == tickStyle_)
        return;
    tickStyle_ = style;
    update();
}

void TTrackBar::setThumbLength(int length)
{
    if (length == thumbLength_)
        return;
    thumbLength_ = length;
    style_->setThumbLength(length);
    update();
}

void TTrackBar::setSelStart(int value)
{
    if (value == selStart_)
        return;
    selStart_ = value;
    update();
}

void TTrackBar::setSelEnd(int value)
{
    if (value == selEnd_)
        return;
    selEnd_ = value;
    update();
}

void TTrackBar::setSliderVisible(bool visible)
{
    if (visible == sliderVisible_)
        return;
    sliderVisible_ = visible;
    update();
}

std::vector<int> TTrackBar::tickPositions() const
{
    std::vector<int> ticks;
    if (tickStyle_ == TTickStyle::tsNone)
        return ticks;
    ticks.push_back(minimum());
    if (tickStyle_ == TTickStyle::tsAuto && frequency_ > 0)
        for (long long tick = (long long)minimum() + frequency_; tick < maximum(); tick += frequency_)
            ticks.push_back(int(tick));
    if (maximum() != minimum())
        ticks.push_back(maximum());
    return ticks;
}

void TTrackBar::userScroll(int target)
{
    {
        const QScopedValueRollback own(ownChange_, true);
        setValue(std::clamp(target, minimum(), maximum()));
    }
    update();
    fireChange();
}

void TTrackBar::setPositionAsUser(int position)
{
    userScroll(position);
    fireChange();  // the end of the action
}

void TTrackBar::sliderChange(SliderChange change)
{
    QSlider::sliderChange(change);
    if (change == SliderValueChange && !ownChange_)
        fireChange();
}

void TTrackBar::setReading(Reading reading)
{
    reading_ = std::move(reading);
    reading_.positionsPerUnit = std::max(reading_.positionsPerUnit, 1);
}

QString TTrackBar::textOf(int position) const
{
    return reading_.text ? reading_.text(position) : QString::number(valueOf(position));
}

int TTrackBar::positionOf(double value) const
{
    if (std::isnan(value))
        return this->value();
    // Clamped before rounding, so that no value overflows the conversion.
    const double positions = std::clamp(value * reading_.positionsPerUnit, double(minimum()), double(maximum()));
    return int(std::lround(positions));
}

int TTrackBar::keyTarget(int key) const
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return value() - lineSize_;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return value() + lineSize_;
    case Qt::Key_PageUp:
        return value() - pageSize_;
    case Qt::Key_PageDown:
        return value() + pageSize_;
    case Qt::Key_Home:
        return minimum();
    case Qt::Key_End:
        return maximum();
    default:
        return value();
    }
}

void TTrackBar::keyPressEvent(QKeyEvent* event)
{
    if (!isScrollKey(event->key())) {
        // Enter and the rest go on to the window (the default button).
        event->ignore();
        return;
    }
    event->accept();
    userScroll(keyTarget(event->key()));
}

void TTrackBar::keyReleaseEvent(QKeyEvent* event)
{
    if (!isScrollKey(event->key())) {
        event->ignore();
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        fireChange();  // the end of the action
}

QRect TTrackBar::grooveRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
}

QRect TTrackBar::thumbRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

TTrackBar::Travel TTrackBar::travel() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove = grooveRect();
    const QRect thumb = thumbRect();
    const bool horizontal = orientation() == Qt::Horizontal;
    Travel t;
    t.thumbSize = horizontal ? thumb.width() : thumb.height();
    t.start = horizontal ? groove.x() : groove.y();
    t.span = std::max((horizontal ? groove.width() : groove.height()) - t.thumbSize, 1);
    t.upsideDown = option.upsideDown;
    return t;
}

int TTrackBar::positionAt(const QPoint& point) const
{
    const Travel t = travel();
    const int pixel = (orientation() == Qt::Horizontal ? point.x() : point.y()) - dragOffset_ - t.start;
    return QStyle::sliderValueFromPosition(minimum(), maximum(), pixel, t.span, t.upsideDown);
}

int TTrackBar::pixelOf(int position) const
{
    return pixelOf(position, travel());
}

int TTrackBar::pixelOf(int position, const Travel& t) const
{
    return t.start + t.thumbSize / 2 +
           QStyle::sliderPositionFromValue(minimum(), maximum(), position, t.span, t.upsideDown);
}

void TTrackBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // A press while an action still runs means its release never came here: that action is over.
    endMouseAction();
    event->accept();
    const QPoint point = event->position().toPoint();
    const QRect thumb = thumbRect();
    if (sliderVisible_ && thumb.contains(point)) {
        // Pressing the thumb moves nothing yet.
        beginMouseAction(Drag::Thumb);
        dragOffset_ = orientation() == Qt::Horizontal ? point.x() - thumb.x() : point.y() - thumb.y();
        return;
    }
    beginMouseAction(Drag::Channel);
    channelPoint_ = point;
    channelStep();
    if (drag_ == Drag::Channel)  // the step's handler may have ended the action (an error box)
        channelRepeat_.start(kRepeatDelayMs);
}

void TTrackBar::beginMouseAction(Drag kind)
{
    drag_ = kind;
    MouseAction::begin(this, [this] { endMouseAction(); });
}

void TTrackBar::endMouseAction()
{
    if (drag_ == Drag::None)
        return;
    drag_ = Drag::None;
    dragOffset_ = 0;
    channelRepeat_.stop();
    MouseAction::finished(this);
    fireChange();  // the end of the action
}

bool TTrackBar::mouseTakenElsewhere() const
{
    const QWidget* grabber = QWidget::mouseGrabber();
    return (grabber && grabber != this) || QApplication::activePopupWidget();
}

void TTrackBar::channelStep()
{
    if (mouseTakenElsewhere()) {  // the release will not come here
        endMouseAction();
        return;
    }
    const int thumbCentre = pixelOf(value());
    const int click = orientation() == Qt::Horizontal ? channelPoint_.x() : channelPoint_.y();
    const QRect thumb = thumbRect();
    const bool onThumb = thumb.contains(channelPoint_);
    if (channelRepeat_.isActive()) {
        channelRepeat_.setInterval(kRepeatIntervalMs);
        if (onThumb) {  // the thumb has reached the pointer
            channelRepeat_.stop();
            return;
        }
    }
    // Towards the click, one page; on screen, Min is at the left or top.
    const bool towardsMin = click < thumbCentre;
    userScroll(value() + (towardsMin ? -pageSize_ : pageSize_));
}

void TTrackBar::mouseMoveEvent(QMouseEvent* event)
{
    if (drag_ != Drag::Thumb) {
        if (drag_ == Drag::Channel)
            channelPoint_ = event->position().toPoint();
        event->ignore();
        return;
    }
    event->accept();
    userScroll(positionAt(event->position().toPoint()));
}

void TTrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || drag_ == Drag::None) {
        event->ignore();
        return;
    }
    event->accept();
    endMouseAction();
}

void TTrackBar::hideEvent(QHideEvent* event)
{
    // Hidden (with its window, say) while the button is held: the release will not come here.
    endMouseAction();
    QSlider::hideEvent(event);
}

bool TTrackBar::event(QEvent* event)
{
    // A modal box opening over the window, or the window losing the activation, takes the mouse away.
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowDeactivate)
        endMouseAction();
    const bool handled = QSlider::event(event);
    // The style's polish marks sliders as not painting opaquely (they may leave pixels to the parent); on a window
    // this one does, so the mark is put back after each polish.
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::Polish ||
        event->type() == QEvent::StyleChange)
        coverWindowBeneath();
    return handled;
}

void TTrackBar::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    const int amount = delta.y() != 0 ? delta.y() : delta.x();
    if (amount == 0) {
        event->ignore();
        return;
    }
    event->accept();
    // Smooth wheels and touchpads send parts of a notch: they add up, and each whole notch is one line step.
    // A turn the other way starts afresh.
    if ((wheelRemainder_ < 0) != (amount < 0))
        wheelRemainder_ = 0;
    wheelRemainder_ += amount;
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    // A notch away from the user (up) moves towards Min; each step is an action of its own.
    for (int step = 0; step < std::abs(notches); ++step) {
        userScroll(value() + (notches > 0 ? -lineSize_ : lineSize_));
        fireChange();  // the end of the action
    }
}

void TTrackBar::setKeepsStillLayers(bool keep)
{
    if (keep == keepsStillLayers_)
        return;
    // Layers already drawn stay: they are still those of their look when keeping is turned on again.
    keepsStillLayers_ = keep;
    update();
}

// The thumb moves at every step of a drag or a key, and the rest of the picture stays: the window's colour, the
// groove and the tick marks are drawn once for a look and copied at each paint, with the thumb over them. Where
// copying could differ from drawing (no window colour beneath, a scaled painter, a look the layers cannot
// reproduce) the paint draws everything through the style.
void TTrackBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A windowed control covers the labels and pictures its window paints beneath it.
    std::optional<QColor> windowColor;
    if (const auto* form = qobject_cast<const TForm*>(parentWidget()))
        windowColor = toQColor(form->color());
    QStyleOptionSlider option;
    initStyleOption(&option);
    if (keepsStillLayers_ && windowColor && windowColor->isValid() && windowColor->alpha() == 255 &&
        devicePixelRatio() == 1.0 && painter.deviceTransform().type() <= QTransform::TxTranslate) {
        const Look look = lookOf(option, *windowColor);
        if (!layers_ || !(layers_->look == look))
            drawStillLayers(look, option, *windowColor);
        if (layers_->usable) {
            paintFromLayers(painter);
            return;
        }
    }
    paintThroughStyle(painter, option, windowColor);
}

void TTrackBar::paintThroughStyle(QPainter& painter, QStyleOptionSlider& option,
                                  const std::optional<QColor>& windowColor) const
{
    if (windowColor)
        painter.fillRect(rect(), *windowColor);
    option.tickPosition = QSlider::NoTicks;
    option.subControls = QStyle::SC_SliderGroove;
    if (sliderVisible_)
        option.subControls |= QStyle::SC_SliderHandle;
    const QRect groove = grooveRect();
    // Asked of the style once for the selection band and all the ticks.
    const Travel along = travel();
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
    if (selStart_ != 0 || selEnd_ != 0)
        painter.fillRect(selectionBand(groove, along), palette().color(QPalette::Highlight));
    painter.setPen(palette().color(QPalette::WindowText));
    // All tick marks in one call to the painter.
    const QVarLengthArray<QLine, 64> marks = tickLines(along);
    painter.drawLines(marks.constData(), int(marks.size()));
}

QRect TTrackBar::selectionBand(const QRect& groove, const Travel& along) const
{
    const int from = pixelOf(std::clamp(selStart_, minimum(), maximum()), along);
    const int to = pixelOf(std::clamp(selEnd_, minimum(), maximum()), along);
    if (orientation() == Qt::Horizontal)
        return QRect(QPoint(std::min(from, to), groove.top()), QPoint(std::max(from, to), groove.bottom()));
    return QRect(QPoint(groove.left(), std::min(from, to)), QPoint(groove.right(), std::max(from, to)));
}

QVarLengthArray<QLine, 64> TTrackBar::tickLines(const Travel& along) const
{
    const bool horizontal = orientation() == Qt::Horizontal;
    const bool before = tickMarks_ == TTickMark::tmTopLeft || tickMarks_ == TTickMark::tmBoth;
    const bool after = tickMarks_ == TTickMark::tmBottomRight || tickMarks_ == TTickMark::tmBoth;
    const int across = horizontal ? height() : width();
    QVarLengthArray<QLine, 64> marks;
    for (int tick : tickPositions()) {
        const int at = pixelOf(tick, along);
        if (before)
            marks.append(horizontal ? QLine(at, 0, at, 2) : QLine(0, at, 2, at));
        if (after)
            marks.append(horizontal ? QLine(at, across - 3, at, across - 1) : QLine(across - 3, at, across - 1, at));
    }
    return marks;
}

TTrackBar::Look TTrackBar::lookOf(const QStyleOptionSlider& option, const QColor& windowColor) const
{
    Look look;
    look.rect = option.rect;
    look.state = option.state;
    look.direction = option.direction;
    look.palette = option.palette.cacheKey();
    look.colorGroup = option.palette.currentColorGroup();
    look.orientation = option.orientation;
    look.upsideDown = option.upsideDown;
    look.minimum = option.minimum;
    look.maximum = option.maximum;
    look.tickPosition = option.tickPosition;
    look.activeSubControls = option.activeSubControls;
    look.style = style();
    look.thumbLength = thumbLength_;
    look.frequency = frequency_;
    look.tickMarks = tickMarks_;
    look.tickStyle = tickStyle_;
    look.thumbVisible = sliderVisible_;
    look.windowColor = windowColor.rgba();
    return look;
}

QRect TTrackBar::layerThumbAt(int position) const
{
    const StillLayers& layers = *layers_;
    const int along = layers.along.start + QStyle::sliderPositionFromValue(minimum(), maximum(), position,
                                                                           layers.along.span, layers.along.upsideDown);
    return orientation() == Qt::Horizontal ? layers.thumbAtMin.translated(along - layers.thumbAtMin.left(), 0)
                                           : layers.thumbAtMin.translated(0, along - layers.thumbAtMin.top());
}

void TTrackBar::drawStillLayers(const Look& look, const QStyleOptionSlider& option, const QColor& windowColor)
{
    layers_.emplace(StillLayers{});  // from a value: Clang 14 sees no default constructor of the nested type here
    StillLayers& layers = *layers_;
    layers.look = look;
    QStyleOptionSlider drawn = option;
    drawn.tickPosition = QSlider::NoTicks;
    const auto at = [&drawn](int position) {
        drawn.sliderPosition = position;
        drawn.sliderValue = position;
    };
    const bool horizontal = orientation() == Qt::Horizontal;
    layers.groove = style()->subControlRect(QStyle::CC_Slider, &drawn, QStyle::SC_SliderGroove, this);
    layers.along = travel();
    at(minimum());
    layers.thumbAtMin = style()->subControlRect(QStyle::CC_Slider, &drawn, QStyle::SC_SliderHandle, this);
    at(maximum());
    const QRect thumbAtMax = style()->subControlRect(QStyle::CC_Slider, &drawn, QStyle::SC_SliderHandle, this);

    // The layers reproduce a slider whose thumb moves from Min at the groove's start (left or top) to Max along
    // the travel, and whose groove the style fills from its start up to the thumb: the thumb at Min and at Max
    // must be where the travel puts it, and no tick mark may lie where the groove or the thumb is drawn, as the
    // marks are drawn over them.
    const int length = horizontal ? layers.groove.width() : layers.groove.height();
    if (option.upsideDown || option.tickPosition != QSlider::NoTicks || length - layers.along.thumbSize < 1)
        return;
    if (layerThumbAt(minimum()) != layers.thumbAtMin || layerThumbAt(maximum()) != thumbAtMax)
        return;
    const QRect moving = layers.groove.united(layers.thumbAtMin).united(thumbAtMax);
    const QVarLengthArray<QLine, 64> marks = tickLines(layers.along);
    for (const QLine& mark : marks)
        if (QRect(mark.p1(), mark.p2()).normalized().intersects(moving))
            return;

    const auto drawGroove = [&](int position) {
        QImage image(size(), QImage::Format_RGB32);
        QPainter painter(&image);
        painter.fillRect(rect(), windowColor);
        drawn.subControls = QStyle::SC_SliderGroove;
        at(position);
        style()->drawComplexControl(QStyle::CC_Slider, &drawn, &painter, this);
        return image;
    };
    // The part of the groove filled at Min stays filled at every position, and each position fills a part of
    // what Max fills.
    layers.unfilled = drawGroove(minimum());
    layers.filled = drawGroove(maximum());
    QPainter marksPainter(&layers.unfilled);
    marksPainter.setPen(palette().color(QPalette::WindowText));
    marksPainter.drawLines(marks.constData(), int(marks.size()));
    marksPainter.end();
    if (sliderVisible_) {
        // Drawn on transparent pixels, the thumb's pixels are the style's own: copied over the groove later,
        // they blend as the style's drawing would.
        layers.thumb = QImage(layers.thumbAtMin.size(), QImage::Format_ARGB32_Premultiplied);
        layers.thumb.fill(Qt::transparent);
        QPainter painter(&layers.thumb);
        painter.translate(-layers.thumbAtMin.topLeft());
        drawn.subControls = QStyle::SC_SliderHandle;
        at(minimum());
        style()->drawComplexControl(QStyle::CC_Slider, &drawn, &painter, this);
    }
    layers.selection = palette().color(QPalette::Highlight);
    layers.usable = true;
}

void TTrackBar::paintFromLayers(QPainter& painter) const
{
    const StillLayers& layers = *layers_;
    painter.drawImage(0, 0, layers.unfilled);
    const QRect thumb = layerThumbAt(sliderPosition());
    // The style fills the groove from its start up to the thumb's first pixel.
    QRect filled = layers.groove;
    if (orientation() == Qt::Horizontal)
        filled.setRight(thumb.left());
    else
        filled.setBottom(thumb.top());
    filled = filled.intersected(layers.groove);
    if (!filled.isEmpty())
        painter.drawImage(filled.topLeft(), layers.filled, filled);
    if (!layers.thumb.isNull())
        painter.drawImage(thumb.topLeft(), layers.thumb);
    if (selStart_ != 0 || selEnd_ != 0)
        painter.fillRect(selectionBand(layers.groove, layers.along), layers.selection);
}

}  // namespace rna::ui
