#include "chart/panel/ChartWidget.h"

#include <QPainter>

namespace rna::chart {

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent)
{
    // Every pixel comes from the chart image, so Qt must neither clear nor fill the widget first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
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

}  // namespace rna::chart
