// ChartRedraw/qtcharts: the chart of ChartUpdate/rna drawn by Qt Charts, with the same data per update: a title, a
// bottom axis titled "Intrare neta" from -10.05 to 10.05 with labels every 2, the left axis from -1.05 to 1.05,
// dotted grey grids, the 21-point red curve with circle markers and the 3-pixel green vertical line at the net
// input, no legend, no antialiasing. One update replaces both series' points and renders the chart's scene onto
// a 433 x 177 target image: every item of the scene draws itself anew (Qt Charts keeps no picture of a series).
#include <benchmark/benchmark.h>

#ifdef RNA_HAVE_QTCHARTS

#include "BenchProgram.h"
#include "ChartUpdateData.h"

#include <QChart>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

namespace {

QFont ChartFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
}

QValueAxis* NewAxis(double low, double high, double step)
{
    auto* axis = new QValueAxis;
    axis->setRange(low, high);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setLabelsFont(ChartFont());
    axis->setTitleFont(ChartFont());
    axis->setGridLinePen(QPen(Qt::gray, 1, Qt::DotLine));
    return axis;
}

// The chart owns the series and axes it is given.
struct QtChartsChart {
    QGraphicsScene scene;
    QChart* chart = new QChart;
    QLineSeries* curve = new QLineSeries;
    QLineSeries* marker = new QLineSeries;

    QtChartsChart()
    {
        scene.addItem(chart);
        chart->setGeometry(0, 0, rna::bench::ChartWidth, rna::bench::ChartHeight);
        chart->setBackgroundRoundness(0);
        chart->legend()->hide();
        chart->setTitle(QStringLiteral("Functia de transfer a neuronului"));
        chart->setTitleFont(ChartFont());
        chart->setTitleBrush(Qt::blue);
        curve->setPen(QPen(Qt::red));
        curve->setBrush(Qt::red);
        curve->setPointsVisible(true);
        curve->setMarkerSize(2.5);
        marker->setPen(QPen(QColor(0, 128, 0), 3));
        chart->addSeries(curve);
        chart->addSeries(marker);
        QValueAxis* x = NewAxis(-10.05, 10.05, 2);
        x->setTitleText(QStringLiteral("Intrare neta"));
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(NewAxis(-1.05, 1.05, 1), Qt::AlignLeft);
        for (QLineSeries* series : {curve, marker})
            for (QAbstractAxis* axis : chart->axes())
                series->attachAxis(axis);
        QCoreApplication::processEvents();  // the chart's first layout
    }
};

void ToPoints(const QList<double>& x, const QList<double>& y, QList<QPointF>& points)
{
    points.clear();
    for (qsizetype i = 0; i < x.size(); ++i)
        points.append(QPointF(x[i], y[i]));
}

void ChartRedrawQtCharts(benchmark::State& state)
{
    rna::bench::BenchProgram();
    QtChartsChart chart;
    const QRectF bounds(0, 0, rna::bench::ChartWidth, rna::bench::ChartHeight);
    QImage target = rna::bench::NewTargetImage();
    rna::bench::TransferPoints points;
    QList<QPointF> curvePoints;
    QList<QPointF> markerPoints;
    std::int64_t update = 0;
    for (auto _ : state) {
        rna::bench::ComputeTransferPoints(rna::bench::SweptNetInput(update++), points);
        ToPoints(points.curveX, points.curveY, curvePoints);
        ToPoints(points.markerX, points.curveY, markerPoints);
        chart.curve->replace(curvePoints);
        chart.marker->replace(markerPoints);
        QPainter painter(&target);
        chart.scene.render(&painter, bounds, bounds);
    }
    rna::bench::SaveImageIfAsked(target, "ChartRedraw-qtcharts");
}

}  // namespace

#else

namespace {
void ChartRedrawQtCharts(benchmark::State& state)
{
    state.SkipWithError("Qt Charts was not found when this program was built (qt6-charts-dev)");
}
}  // namespace

#endif

BENCHMARK(ChartRedrawQtCharts)->Name("ChartRedraw/qtcharts")->Unit(benchmark::kMicrosecond);
