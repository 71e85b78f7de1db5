// ChartRedraw/full: the single-input screen's chart redrawn from scratch, as a change of the transfer function
// causes it. Each update switches between the hyperbolic tangent and the sigmoid (the left axis, the curve and
// the marker all change, so no image layer of an earlier drawing is reused), then a paint draws the whole chart
// and copies it onto a 433 x 177 target image. A frame at 60 Hz is 16.7 ms; this is the chart's worst update.
#include "BenchProgram.h"
#include "ChartUpdateData.h"

#include "chart/panel/TChart.h"
#include "neuron/model/NumericModel.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using rna::chart::TChart;
using rna::neuron::TransferKind;

void ChartRedrawFull(benchmark::State& state)
{
    rna::neuron::ScreenChartBinding binding = rna::bench::SingleInputChartBinding();
    TChart& chart = binding.Chart();
    QImage target = rna::bench::NewTargetImage();
    double lastOutput = 0;
    std::int64_t update = 0;
    for (auto _ : state) {
        const TransferKind kind = update % 2 == 0 ? TransferKind::HyperbolicTangent : TransferKind::LogisticSigmoid;
        const double netInput = rna::bench::SweptNetInput(update++);
        benchmark::DoNotOptimize(
            rna::neuron::RefillTransferChart(binding, static_cast<int>(kind), 10, netInput, lastOutput));
        QPainter painter(&target);
        chart.PaintTo(painter);
    }
    rna::bench::SaveImageIfAsked(target, "ChartRedraw-full");
}

}  // namespace

BENCHMARK(ChartRedrawFull)->Name("ChartRedraw/full")->Unit(benchmark::kMicrosecond);
