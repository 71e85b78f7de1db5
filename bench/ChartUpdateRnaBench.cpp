// ChartUpdate/rna: one update of the single-input screen's chart as a drag of its input slider causes it. The
// chart is the screen's own (loaded from its description at start-up); the screen's binding refills both series
// and the left axis through FillTransferChart (tanh, samples -10 ... 10, the marker at the swept net input). Then
// what a repaint of the window does: the chart draws what changed into its image (RedrawImage: the background,
// axes and curve come from its image layer, the old marker's pixels are put back and the new marker drawn) and
// copies the part of the image that changed onto the 433 x 177 target, which is kept from one update to the next
// as the window keeps its pixels. At the end the kept target must equal a drawing of everything anew.
// ChartUpdate/rna-ratio2: the same on a screen of two device pixels to each of the window's: the chart is laid
// out as before and drawn into an image, and onto a target, of 866 x 354 pixels.
// ChartRedraw/rna: everything drawn anew on every update, nothing kept: after the refill the chart is told that a
// setting changed (ScheduleRedraw), so it lays itself out and draws background, title, axes and both series again,
// and its canvas forgets the glyphs and widths of the texts it drew (ForgetKeptTexts), so that every text is
// measured and laid out anew as QCustomPlot's and Qt Charts' are in their redraw cases (only the axes' memo of the
// number texts of their label values stays); its whole image is copied onto the target.
#include "BenchProgram.h"
#include "ChartUpdateData.h"

#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "neuron/model/NumericModel.h"
#include "neuron/screens/ScreenChartBinding.h"
#include "neuron/screens/TForm1.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using rna::chart::TChart;
using rna::chart::TLineSeries;

constexpr int TanhIndex = static_cast<int>(rna::neuron::TransferKind::HyperbolicTangent);

struct ScreenChart {
    TChart& chart;
    rna::neuron::ScreenChartBinding binding;
    double lastOutput = 0;

    explicit ScreenChart(rna::neuron::TForm1& window)
        : chart(window.control<TChart>(QStringLiteral("Chart1"))),
          binding(chart, window.control<TLineSeries>(QStringLiteral("Series1")),
                  &window.control<TLineSeries>(QStringLiteral("Series2")))
    {}

    void Refill(double netInput)
    {
        benchmark::DoNotOptimize(rna::neuron::RefillTransferChart(binding, TanhIndex, 10, netInput, lastOutput));
    }
};

// One measured update each, kept out of line so that a profiler can count exactly the updates
// (valgrind --tool=callgrind --toggle-collect='*RnaUpdate*').
[[gnu::noinline]] void RnaUpdate(ScreenChart& screen, double netInput, QImage& target)
{
    screen.Refill(netInput);
    QPainter painter(&target);
    screen.chart.PaintTo(painter, screen.chart.RedrawImage(&painter));
}

[[gnu::noinline]] void RnaRedraw(ScreenChart& screen, double netInput, QImage& target)
{
    screen.Refill(netInput);
    screen.chart.ScheduleRedraw();
    screen.chart.Canvas().ForgetKeptTexts();
    QPainter painter(&target);
    screen.chart.PaintTo(painter);
}

QImage DrawnAnew(TChart& chart, double ratio)
{
    QImage image = rna::bench::NewTargetImage(ratio);
    chart.ScheduleRedraw();
    QPainter painter(&image);
    chart.PaintTo(painter);
    return image;
}

void ChartUpdateRna(benchmark::State& state, double ratio)
{
    rna::bench::BenchProgram();
    ScreenChart screen(*rna::neuron::Form1);
    QImage target = rna::bench::NewTargetImage(ratio);
    {
        QPainter painter(&target);  // the window shows the chart as it is before the drag
        screen.chart.PaintTo(painter);
    }
    std::int64_t update = 0;
    for (auto _ : state)
        RnaUpdate(screen, rna::bench::SweptNetInput(update++), target);
    rna::bench::SaveImageIfAsked(target, ratio == 1 ? "ChartUpdate-rna" : "ChartUpdate-rna-ratio2");
    rna::bench::CheckSamePicture(state, target, DrawnAnew(screen.chart, ratio));
}

void ChartRedrawRna(benchmark::State& state)
{
    rna::bench::BenchProgram();
    ScreenChart screen(*rna::neuron::Form1);
    QImage target = rna::bench::NewTargetImage();
    std::int64_t update = 0;
    for (auto _ : state)
        RnaRedraw(screen, rna::bench::SweptNetInput(update++), target);
    rna::bench::SaveImageIfAsked(target, "ChartRedraw-rna");
}

}  // namespace

BENCHMARK_CAPTURE(ChartUpdateRna, ratio1, 1.0)->Name("ChartUpdate/rna")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ChartUpdateRna, ratio2, 2.0)->Name("ChartUpdate/rna-ratio2")->Unit(benchmark::kMicrosecond);
BENCHMARK(ChartRedrawRna)->Name("ChartRedraw/rna")->Unit(benchmark::kMicrosecond);
