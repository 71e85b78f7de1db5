// The program, started once for all benchmark cases that need its windows (one application object per process).
#pragma once

#include "app/Program.h"

#include <benchmark/benchmark.h>
#include <cstdint>

namespace rna::bench {

// Starts the program on first use, as start-up does, with every window hidden.
rna::app::Program& BenchProgram();
// Ends it before the process ends (called by main once all cases ran).
void StopBenchProgram();

// Updates of the single-input screen's chart (of the started program) as its handlers make them: each refills
// the chart for the list index kindOf(n) with the marker at the swept net input, and a paint draws it onto a
// target image of the chart's size, on a screen of `ratio` device pixels to each of the window's. The last image
// goes to RNA_BENCH_IMAGES as imageName.
void SingleInputChartUpdates(benchmark::State& state, int (*kindOf)(std::int64_t update), const char* imageName,
                             double ratio = 1);

}  // namespace rna::bench
