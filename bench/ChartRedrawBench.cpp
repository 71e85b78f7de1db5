// ChartRedraw/full: the single-input screen's chart redrawn from scratch, as a change of the transfer function
// causes it. Each update switches between the hyperbolic tangent and the sigmoid (the left axis, the curve and
// the marker all change, so no image layer of an earlier drawing is reused), then a paint draws the whole chart
// and copies it onto a 433 x 177 target image. A frame at 60 Hz is 16.7 ms; this is the chart's worst update.
#include "BenchProgram.h"

#include "neuron/model/NumericModel.h"

#include <benchmark/benchmark.h>

namespace {

using rna::neuron::TransferKind;

void ChartRedrawFull(benchmark::State& state)
{
    rna::bench::SingleInputChartUpdates(
        state,
        [](std::int64_t update) {
            return static_cast<int>(update % 2 == 0 ? TransferKind::HyperbolicTangent : TransferKind::LogisticSigmoid);
        },
        "ChartRedraw-full");
}

}  // namespace

BENCHMARK(ChartRedrawFull)->Name("ChartRedraw/full")->Unit(benchmark::kMicrosecond);
