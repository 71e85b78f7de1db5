// ChartUpdate/rna: one update of the single-input screen's chart as a drag of its input slider causes it. The
// chart is the screen's own (loaded from its description at start-up); the screen's binding refills both series
// and the left axis through FillTransferChart (tanh, samples -10 ... 10, the marker at the swept net input), then
// a paint redraws the whole chart into its image and copies that onto a 433 x 177 target image.
#include "BenchProgram.h"

#include "neuron/model/NumericModel.h"

#include <benchmark/benchmark.h>

namespace {

void ChartUpdateRna(benchmark::State& state)
{
    rna::bench::SingleInputChartUpdates(
        state, [](std::int64_t) { return static_cast<int>(rna::neuron::TransferKind::HyperbolicTangent); },
        "ChartUpdate-rna");
}

}  // namespace

BENCHMARK(ChartUpdateRna)->Name("ChartUpdate/rna")->Unit(benchmark::kMicrosecond);
