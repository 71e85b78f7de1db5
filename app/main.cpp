// Program entry: the command line, start-up, then the event loop until the main menu window is closed.
#include "app/CommandLine.h"
#include "app/LessonMessage.h"
#include "app/Program.h"
#include "neuron/lesson/LessonFile.h"

#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    const std::string programName = rna::app::ProgramName(argv[0]);
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const rna::app::CommandLine line = rna::app::ParseCommandLine(arguments, programName);
    if (line.action != rna::app::CommandLine::Action::Run)
        return rna::app::FinishWithoutRunning(line, programName);
    rna::app::ApplyBeforeApplication(line);
    // Beyond the options above only the program's path matters (for the application title).
    try {
        rna::app::Program program(argv[0], line.language);
        if (!line.lessonFile.empty()) {
            // Read before any window shows: a file that is no valid lesson ends the program with its message.
            const QString path = QString::fromLocal8Bit(line.lessonFile.c_str());
            try {
                program.openAtStart(rna::neuron::ReadLessonFile(path), path);
            } catch (const rna::neuron::LessonError& error) {
                std::fprintf(stderr, "%s: %s\n", programName.c_str(),
                             rna::app::LessonMessage(error).toLocal8Bit().constData());
                return 2;
            }
        }
        return program.run();
    } catch (const std::exception& error) {
        // A malformed window description: its message names the file and the entry.
        rna::app::Program::reportStartupFailure(argv[0], error.what());
        return 1;
    }
}
