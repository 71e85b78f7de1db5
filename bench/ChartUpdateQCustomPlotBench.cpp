// The chart of ChartUpdate/rna drawn by QCustomPlot, with the same data per update: a title, a bottom axis titled
// "Intrare neta" from -10.05 to 10.05 with labels every 2, the left axis from -1.05 to 1.05, dotted grey grids, the
// 21-point red curve with circle markers and the 3-pixel green vertical line at the net input, no antialiasing (as
// the rna chart draws). Three ways of updating it:
// ChartUpdate/qcustomplot-layered: QCustomPlot's own way of redrawing one item: the marker graph lives on a layer of
// its own in lmBuffered mode (its own paint buffer). An update sets the marker's data, replots only that layer
// (layer->replot(): its buffer is cleared and the marker drawn into it) and renders the widget onto the 433 x 177
// target (QWidget::render: QCustomPlot composes its paint buffers, the one below the marker, the marker's and the
// overlay's, onto the target).
// ChartUpdate/qcustomplot-replot: an update sets both graphs' data, replots everything (QCustomPlot redraws every
// layer into its paint buffers, tick labels from its label cache) and renders the widget onto the target.
// ChartRedraw/qcustomplot: the same with nothing kept from one update to the next: the label cache is off, so the
// tick labels are drawn as text every time, as everything else is.
// Each case ends by checking that its last picture equals the one a full replot draws.
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

// The chart with its curve and marker graphs (graph 0 and 1) holding the points of the first update.
struct Plot {
    // The program (and so the application object) comes first: a case may be the first to run.
    struct Started {
        Started() { rna::bench::BenchProgram(); }
    } started;
    QCustomPlot plot;
    rna::bench::TransferPoints points;
    std::int64_t update = 0;

    Plot()
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
        NextPoints();
        SetData();
    }

    QCPGraph& Curve() { return *plot.graph(0); }
    QCPGraph& Marker() { return *plot.graph(1); }
    void NextPoints() { rna::bench::ComputeTransferPoints(rna::bench::SweptNetInput(update++), points); }
    void SetData()
    {
        Curve().setData(points.curveX, points.curveY, true);
        Marker().setData(points.markerX, points.curveY, true);
    }
    void RenderOnto(QImage& target)
    {
        QPainter painter(&target);
        plot.render(&painter, QPoint(), QRegion(), QWidget::RenderFlags());
    }
    // Fails the case unless target holds what a full replot of the chart as it is draws.
    void CheckAgainstFullReplot(benchmark::State& state, const QImage& target)
    {
        plot.replot(QCustomPlot::rpImmediateRefresh);
        QImage anew = rna::bench::NewTargetImage();
        RenderOnto(anew);
        rna::bench::CheckSamePicture(state, target, anew);
    }
};

// One measured update each, kept out of line so that a profiler can count exactly the updates
// (valgrind --tool=callgrind --toggle-collect='*QCustomPlot*Update*').
[[gnu::noinline]] void LayeredUpdate(Plot& p, QCPLayer& markerLayer, QImage& target)
{
    p.NextPoints();
    p.Marker().setData(p.points.markerX, p.points.curveY, true);
    markerLayer.replot();
    p.RenderOnto(target);
}

[[gnu::noinline]] void ReplotUpdate(Plot& p, QImage& target)
{
    p.NextPoints();
    p.SetData();
    p.plot.replot(QCustomPlot::rpImmediateRefresh);
    p.RenderOnto(target);
}

void ChartUpdateQCustomPlotLayered(benchmark::State& state)
{
    Plot p;
    p.plot.addLayer(QStringLiteral("marker"), p.plot.layer(QStringLiteral("main")), QCustomPlot::limAbove);
    QCPLayer& markerLayer = *p.plot.layer(QStringLiteral("marker"));
    markerLayer.setMode(QCPLayer::lmBuffered);
    p.Marker().setLayer(&markerLayer);
    p.plot.replot(QCustomPlot::rpImmediateRefresh);  // gives the marker's layer its paint buffer
    QImage target = rna::bench::NewTargetImage();
    for (auto _ : state)
        LayeredUpdate(p, markerLayer, target);
    rna::bench::SaveImageIfAsked(target, "ChartUpdate-qcustomplot-layered");
    p.CheckAgainstFullReplot(state, target);
}

void ChartUpdateQCustomPlotReplot(benchmark::State& state, bool cacheLabels, const char* imageName)
{
    Plot p;
    p.plot.setPlottingHint(QCP::phCacheLabels, cacheLabels);
    QImage target = rna::bench::NewTargetImage();
    for (auto _ : state)
        ReplotUpdate(p, target);
    rna::bench::SaveImageIfAsked(target, imageName);
    p.CheckAgainstFullReplot(state, target);
}

}  // namespace

BENCHMARK(ChartUpdateQCustomPlotLayered)->Name("ChartUpdate/qcustomplot-layered")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ChartUpdateQCustomPlotReplot, replot, true, "ChartUpdate-qcustomplot-replot")
    ->Name("ChartUpdate/qcustomplot-replot")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ChartUpdateQCustomPlotReplot, redraw, false, "ChartRedraw-qcustomplot")
    ->Name("ChartRedraw/qcustomplot")
    ->Unit(benchmark::kMicrosecond);

#else

namespace {
void QCustomPlotMissing(benchmark::State& state)
{
    state.SkipWithError("QCustomPlot for Qt 6 was not found when this program was built (libqcustomplot-dev)");
}
}  // namespace

BENCHMARK(QCustomPlotMissing)->Name("ChartUpdate/qcustomplot-layered");
BENCHMARK(QCustomPlotMissing)->Name("ChartUpdate/qcustomplot-replot");
BENCHMARK(QCustomPlotMissing)->Name("ChartRedraw/qcustomplot");

#endif
