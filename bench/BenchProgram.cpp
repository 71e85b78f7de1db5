#include "BenchProgram.h"

#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "neuron/screens/TForm1.h"

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

rna::neuron::ScreenChartBinding SingleInputChartBinding()
{
    BenchProgram();
    rna::neuron::TForm1& window = *rna::neuron::Form1;
    return {window.control<rna::chart::TChart>(QStringLiteral("Chart1")),
            window.control<rna::chart::TLineSeries>(QStringLiteral("Series1")),
            &window.control<rna::chart::TLineSeries>(QStringLiteral("Series2"))};
}

}  // namespace rna::bench
