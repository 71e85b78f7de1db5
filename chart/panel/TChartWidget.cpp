#include "chart/panel/TChartWidget.h"

#include <QPainter>

namespace rna::chart {

TChartWidget::TChartWidget(QWidget* parent) : QWidget(parent)
{
    // Every pixel comes from the chart image, so Qt must neither clear nor fill the widget first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintControl(painter, rect());
    PaintOverlay(painter);
}

void TChartWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ControlResized();
}

}  // namespace rna::chart
