// Benchmark entry: headless by default; the started program is ended before the process ends.
#include "BenchProgram.h"

#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    rna::bench::StopBenchProgram();
    return 0;
}
