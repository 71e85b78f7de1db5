// ChartUpdate/rna: one update of the single-input screen's chart as a drag of its input slider causes it. The
// chart is the screen's own (loaded from its description at start-up); the screen's binding refills both series
// and the left axis through FillTransferChart (tanh, samples -10 ... 10, the marker at the swept net input), then
// a paint redraws the whole chart into its image and copies that onto a 433 x 177 target image.
#include "BenchProgram.h"
#include "ChartUpdateData.h"

#include "chart/panel/TChart.h"
#include "neuron/model/NumericModel.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using rna::chart::TChart;

constexpr int TanhIndex = static_cast<int>(rna::neuron::TransferKind::HyperbolicTangent);

void ChartUpdateRna(benchmark::State& state)
{
    rna::neuron::ScreenChartBinding binding = rna::bench::SingleInputChartBinding();
    TChart& chart = binding.Chart();
    QImage target = rna::bench::NewTargetImage();
    double lastOutput = 0;
    std::int64_t update = 0;
    for (auto _ : state) {
        const double netInput = rna::bench::SweptNetInput(update++);
        benchmark::DoNotOptimize(rna::neuron::RefillTransferChart(binding, TanhIndex, 10, netInput, lastOutput));
        QPainter painter(&target);
        chart.PaintTo(painter);
    }
    rna::bench::SaveImageIfAsked(target, "ChartUpdate-rna");
}

}  // namespace

BENCHMARK(ChartUpdateRna)->Name("ChartUpdate/rna")->Unit(benchmark::kMicrosecond);
