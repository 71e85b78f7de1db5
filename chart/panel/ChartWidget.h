// The chart's own window: never erases its background; paints the cached chart image, then an overlay.
#pragma once

#include <QWidget>

#include "chart/core/ChartGeometry.h"
#include "chart/panel/ChartMouseInput.h"
#include "chart/panel/WheelNotches.h"
#include "ui/ContentScale.h"

class QPainter;

namespace rna::chart {

// The chart's own pixels are the control's, unless the window was scaled to a screen of another density: then
// the chart keeps the size its description gives it and each of its pixels is ContentScale() of the control's
// (the mouse, repaints and the drawing's device pixels follow).
class ChartWidget : public QWidget, public rna::ui::ContentScale {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);

    // The chart's size in its own pixels.
    int ChartWidth() const;
    int ChartHeight() const;
    qreal ContentScale() const { return contentScale_; }
    void setContentScale(qreal scale) override;
    // Repaints the area (the chart's own pixels) from the cached image and the overlay, without drawing the chart
    // again.
    void RepaintArea(const Rect& area);
    // Paints the control at once (a chart whose image is stale is drawn first).
    void RepaintNow() { repaint(); }
    // Shows the stock cursor with this number over the control; 0 gives the control its own cursor back.
    void ShowCursor(int cursor);

protected:
    // Draws the chart into painter, normally by copying its cached image.
    virtual void PaintControl(QPainter& painter, const QRect& clientRect) = 0;
    // Drawn over the copied image and never into it (the zoom rectangle).
    virtual void PaintOverlay(QPainter&) {}
    virtual void ControlResized() {}
    virtual void ContentScaleChanged() {}

    // The mouse, in the control's client pixels.
    virtual void MouseDown(const ChartMouseInput&) {}
    virtual void MouseMove(const ChartMouseInput&) {}
    virtual void MouseUp(const ChartMouseInput&) {}
    // Whole wheel notches, positive towards the user.
    virtual void MouseWheel(int) {}
    // The rest of a drag will not arrive: the control was hidden or its window blocked or deactivated.
    virtual void MouseInputLost() {}

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;

private:
    ChartMouseInput InputOf(const QMouseEvent& event, bool doubleClick = false) const;

    WheelNotches wheel_;
    qreal contentScale_ = 1;
};

}  // namespace rna::chart
