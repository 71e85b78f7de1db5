#include "BenchProgram.h"
#include "ChartUpdateData.h"

#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "neuron/screens/ScreenChartBinding.h"
#include "neuron/screens/TForm1.h"

#include <QPainter>

#include <memory>

namespace rna::bench {

namespace {
std::unique_ptr<rna::app::Program> program;
}

rna::app::Program& BenchProgram()
{
    if (!program)
        program = std::make_unique<rna::app::Program>("/usr/local/bin/RNA");
    return *program;
}

void StopBenchProgram()
{
    program.reset();
}

void SingleInputChartUpdates(benchmark::State& state, int (*kindOf)(std::int64_t update), const char* imageName,
                             double ratio)
{
    BenchProgram();
    rna::neuron::TForm1& window = *rna::neuron::Form1;
    auto& chart = window.control<rna::chart::TChart>(QStringLiteral("Chart1"));
    rna::neuron::ScreenChartBinding binding(chart, window.control<rna::chart::TLineSeries>(QStringLiteral("Series1")),
                                            &window.control<rna::chart::TLineSeries>(QStringLiteral("Series2")));
    QImage target = NewTargetImage(ratio);
    double lastOutput = 0;
    std::int64_t update = 0;
    for (auto _ : state) {
        const int kind = kindOf(update);
        const double netInput = SweptNetInput(update++);
        benchmark::DoNotOptimize(rna::neuron::RefillTransferChart(binding, kind, 10, netInput, lastOutput));
        QPainter painter(&target);
        chart.PaintTo(painter);
    }
    SaveImageIfAsked(target, imageName);
}

}  // namespace rna::bench
