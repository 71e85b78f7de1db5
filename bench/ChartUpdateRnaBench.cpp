// ChartUpdate/rna: one update of the single-input screen's chart as a drag of its input slider causes it. The
// chart is the screen's own (loaded from its description at start-up); the screen's binding refills both series
// and the left axis through FillTransferChart (tanh, samples -10 ... 10, the marker at the swept net input), then
// a paint redraws the whole chart into its image and copies that onto a 433 x 177 target image.
// ChartUpdate/rna-ratio2: the same on a screen of two device pixels to each of the window's: the chart is laid
// out as before and drawn into an image, and onto a target, of 866 x 354 pixels.
#include "BenchProgram.h"

#include "neuron/model/NumericModel.h"

#include <benchmark/benchmark.h>

namespace {

void ChartUpdateRna(benchmark::State& state, double ratio)
{
    rna::bench::SingleInputChartUpdates(
        state, [](std::int64_t) { return static_cast<int>(rna::neuron::TransferKind::HyperbolicTangent); },
        ratio == 1 ? "ChartUpdate-rna" : "ChartUpdate-rna-ratio2", ratio);
}

}  // namespace

BENCHMARK_CAPTURE(ChartUpdateRna, ratio1, 1.0)->Name("ChartUpdate/rna")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ChartUpdateRna, ratio2, 2.0)->Name("ChartUpdate/rna-ratio2")->Unit(benchmark::kMicrosecond);
