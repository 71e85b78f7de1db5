// ChartUpdate/rna: one update of the single-input screen's chart as a drag of its input slider causes it. The
// chart is the screen's own (loaded from its description at start-up); the screen's binding refills both series
// and the left axis through FillTransferChart (tanh, samples -10 ... 10, the marker at the swept net input), then
// a paint redraws the whole chart into its image and copies that onto a 433 x 177 target image.
// ChartUpdate/rna-ratio2: the same on a screen of two device pixels to each of the window's: the chart is laid
// out as before and drawn into an image, and onto a target, of 866 x 354 pixels.
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

void ChartUpdateRna(benchmark::State& state, double ratio)
{
    rna::bench::BenchProgram();
    rna::neuron::TForm1& window = *rna::neuron::Form1;
    auto& chart = window.control<TChart>(QStringLiteral("Chart1"));
    rna::neuron::ScreenChartBinding binding(chart, window.control<TLineSeries>(QStringLiteral("Series1")),
                                            &window.control<TLineSeries>(QStringLiteral("Series2")));
    QImage target = rna::bench::NewTargetImage(ratio);
    double lastOutput = 0;
    std::int64_t update = 0;
    for (auto _ : state) {
        const double netInput = rna::bench::SweptNetInput(update++);
        benchmark::DoNotOptimize(rna::neuron::RefillTransferChart(binding, TanhIndex, 10, netInput, lastOutput));
        QPainter painter(&target);
        chart.PaintTo(painter);
    }
    rna::bench::SaveImageIfAsked(target, ratio == 1 ? "ChartUpdate-rna" : "ChartUpdate-rna-ratio2");
}

}  // namespace

BENCHMARK_CAPTURE(ChartUpdateRna, ratio1, 1.0)->Name("ChartUpdate/rna")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ChartUpdateRna, ratio2, 2.0)->Name("ChartUpdate/rna-ratio2")->Unit(benchmark::kMicrosecond);
