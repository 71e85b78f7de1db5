#include "BenchProgram.h"

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

}  // namespace rna::bench
