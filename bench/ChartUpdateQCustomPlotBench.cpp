// ChartUpdate/qcustomplot: the chart of ChartUpdate/rna drawn by QCustomPlot, with the same data per update: a
// title, a bottom axis titled "Intrare neta" from -10.05 to 10.05 with labels every 2, the left axis from -1.05 to
// 1.05, dotted grey grids, the 21-point red curve with circle markers and the 3-pixel green vertical line at the
// net input, no antialiasing (as the rna chart draws). One update sets both graphs' data, replots (QCustomPlot
// draws into its paint buffers) and paints the widget onto a 433 x 177 target image (a copy of the buffers).
#include <benchmark/benchmark.h>

#ifdef RNA_HAVE_QCUSTOMPLOT

#include "BenchProgram.h"
#include "ChartUpdateData.h"

#include <QPainter>
#include <qcustomplot.h>

namespace {

QFont ChartFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return font;
}

void StyleAxis(QCPAxis& axis, double low, double high, double step)
{
    axis.setRange(low, high);
    auto ticker = QSharedPointer<QCPAxisTickerFixed>::create();
    ticker->setTickStep(step);
    axis.setTicker(ticker);
    axis.setTickLabelFont(ChartFont());
    axis.setLabelFont(ChartFont());
    axis.grid()->setPen(QPen(Qt::gray, 1, Qt::DotLine));
    axis.grid()->setZeroLinePen(Qt::NoPen);
}

void SetUpPlot(QCustomPlot& plot)
{
    plot.resize(rna::bench::ChartWidth, rna::bench::ChartHeight);
    plot.setNotAntialiasedElements(QCP::aeAll);
    plot.plotLayout()->insertRow(0);
    auto* title = new QCPTextElement(&plot, QStringLiteral("Functia de transfer a neuronului"), ChartFont());
    title->setTextColor(Qt::blue);
    plot.plotLayout()->addElement(0, 0, title);
    StyleAxis(*plot.xAxis, -10.05, 10.05, 2);
    plot.xAxis->setLabel(QStringLiteral("Intrare neta"));
    StyleAxis(*plot.yAxis, -1.05, 1.05, 1);
    QCPGraph* curve = plot.addGraph();
    curve->setPen(QPen(Qt::red));
    curve->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, Qt::black, Qt::red, 5));
    QCPGraph* marker = plot.addGraph();
    marker->setPen(QPen(QColor(0, 128, 0), 3));
}

void ChartUpdateQCustomPlot(benchmark::State& state)
{
    rna::bench::BenchProgram();
    QCustomPlot plot;
    SetUpPlot(plot);
    QImage target = rna::bench::NewTargetImage();
    rna::bench::TransferPoints points;
    std::int64_t update = 0;
    for (auto _ : state) {
        rna::bench::ComputeTransferPoints(rna::bench::SweptNetInput(update++), points);
        plot.graph(0)->setData(points.curveX, points.curveY, true);
        plot.graph(1)->setData(points.markerX, points.curveY, true);
        plot.replot(QCustomPlot::rpImmediateRefresh);
        QPainter painter(&target);
        plot.render(&painter, QPoint(), QRegion(), QWidget::RenderFlags());
    }
    rna::bench::SaveImageIfAsked(target, "ChartUpdate-qcustomplot");
}

}  // namespace

#else

namespace {
void ChartUpdateQCustomPlot(benchmark::State& state)
{
    state.SkipWithError("QCustomPlot for Qt 6 was not found when this program was built (libqcustomplot-dev)");
}
}  // namespace

#endif

BENCHMARK(ChartUpdateQCustomPlot)->Name("ChartUpdate/qcustomplot")->Unit(benchmark::kMicrosecond);
