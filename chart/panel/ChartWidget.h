// The chart's own window: never erases its background; paints the cached chart image, then an overlay.
#pragma once

#include <QWidget>

class QPainter;

namespace rna::chart {

class ChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit ChartWidget(QWidget* parent = nullptr);

protected:
    // Draws the chart into painter, normally by copying its cached image.
    virtual void PaintControl(QPainter& painter, const QRect& clientRect) = 0;
    // Drawn over the copied image and never into it (the zoom rectangle).
    virtual void PaintOverlay(QPainter&) {}
    virtual void ControlResized() {}

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace rna::chart
