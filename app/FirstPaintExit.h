// Benchmark-only start-up measurement: ends the program right after the main window's first paint.
#pragma once

class QWidget;

namespace rna::app {

// When the environment variable RNA_BENCH_EXIT_AFTER_FIRST_PAINT is 1, the event loop is asked to quit as soon
// as window's first paint has been delivered; otherwise nothing happens. Start-up benchmarks time the program
// up to that point; no user ever sets it.
void ExitAfterFirstPaintIfAsked(QWidget& window);

}  // namespace rna::app
