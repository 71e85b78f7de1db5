#include "chart/panel/ChartWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "ui/CursorShapes.h"

namespace rna::chart {

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent)
{
    // Every pixel comes from the chart image, so Qt must neither clear nor fill the widget first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    // Moves without a button tell a drag that its release went elsewhere.
    setMouseTracking(true);
}

// The chart pixel under the pointer: the pixel the control's pixel lies in.
ChartMouseInput ChartWidget::InputOf(const QMouseEvent& event, bool doubleClick) const
{
    QPoint p = event.position().toPoint();
    if (contentScale_ != 1)
        p = QPoint(int(std::floor(event.position().x() / contentScale_)),
                   int(std::floor(event.position().y() / contentScale_)));
    return {event.button(), event.buttons(), event.modifiers(), p.x(), p.y(), doubleClick};
}

int ChartWidget::ChartWidth() const
{
    return contentScale_ == 1 ? width() : qRound(width() / contentScale_);
}

int ChartWidget::ChartHeight() const
{
    return contentScale_ == 1 ? height() : qRound(height() / contentScale_);
}

void ChartWidget::setContentScale(qreal scale)
{
    if (scale <= 0 || scale == contentScale_)
        return;
    contentScale_ = scale;
    ContentScaleChanged();
}

void ChartWidget::RepaintArea(const Rect& area)
{
    if (area.IsEmpty())
        return;
    const qreal s = contentScale_;
    update(QRect(QPoint(int(std::floor(area.Left * s)), int(std::floor(area.Top * s))),
                 QPoint(int(std::ceil(area.Right * s)) - 1, int(std::ceil(area.Bottom * s)) - 1)));
}

void ChartWidget::ShowCursor(int cursor)
{
    if (const std::optional<Qt::CursorShape> shape = rna::ui::CursorShapeOf(cursor))
        setCursor(*shape);
    else
        unsetCursor();
}

void ChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintControl(painter, rect());
    PaintOverlay(painter);
}

void ChartWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ControlResized();
}

void ChartWidget::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    MouseDown(InputOf(*event));
}

void ChartWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
    MouseDown(InputOf(*event, true));
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    MouseMove(InputOf(*event));
}

void ChartWidget::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    MouseUp(InputOf(*event));
}

// Wheel events report the turn away from the user as positive; a notch is 120 units, and smooth wheels and
// touchpads send it in parts.
void ChartWidget::wheelEvent(QWheelEvent* event)
{
    const int delta = -event->angleDelta().y();
    if (delta == 0) {
        event->ignore();
        return;
    }
    event->accept();
    if (const int notches = wheel_.Add(delta); notches != 0)
        MouseWheel(notches);
}

void ChartWidget::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    wheel_.Reset();
    MouseInputLost();
}

// A window that opens over this one modally, or takes the activation, takes the mouse with it.
bool ChartWidget::event(QEvent* event)
{
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowDeactivate)
        MouseInputLost();
    return QWidget::event(event);
}

}  // namespace rna::chart
