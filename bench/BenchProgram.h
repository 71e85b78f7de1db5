// The program, started once for all benchmark cases that need its windows (one application object per process).
#pragma once

#include "app/Program.h"
#include "neuron/screens/ScreenChartBinding.h"

namespace rna::bench {

// Starts the program on first use, as start-up does, with every window hidden.
rna::app::Program& BenchProgram();
// Ends it before the process ends (called by main once all cases ran).
void StopBenchProgram();

// The single-input screen's chart, of the started program, bound as its handlers refill it.
rna::neuron::ScreenChartBinding SingleInputChartBinding();

}  // namespace rna::bench
