// The program's command line: what it asks for (start, print the usage or the version, or refuse it), read
// before the application object exists, so that a refused line opens no window.
#pragma once

#include "app/Language.h"

#include <string>
#include <string_view>
#include <vector>

namespace rna::app {

struct CommandLine {
    enum class Action { Run, PrintUsage, PrintVersion, Refuse };
    Action action = Action::Run;
    Language language = Language::Romanian;
    // Why the line was refused: the message for the error output, without the pointer to --help.
    std::string error;
    // --scale: how many times larger the whole program is drawn, as Qt's QT_SCALE_FACTOR takes it (empty: not
    // given).
    std::string scale;
    // A lesson file to open at start (empty: none), as given.
    std::string lessonFile;
};

// Reads the arguments after the program path. Options are the rows of one table; a value is given as
// "--name VALUE" or "--name=VALUE". One argument that is no option names a lesson file ("--" ends the options, for
// a file whose name starts with "-"). Any unknown option or second file refuses the whole line, even beside
// --help, so that a mistyped option is never silently ignored.
CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments, std::string_view programName);

// What main() does with a line that does not start the program: prints the usage, the version or the error
// (with the pointer to --help) and returns the exit status: 0, or 2 for a refused line.
int FinishWithoutRunning(const CommandLine& line, std::string_view programName);

// What the line sets before the application object exists: --scale becomes QT_SCALE_FACTOR, exactly as if the
// user had set that variable.
void ApplyBeforeApplication(const CommandLine& line);

// The program's file name without its folder, as the usage and messages name it.
std::string ProgramName(const char* programPath);

}  // namespace rna::app
