// Program entry: start-up, then the event loop until the main menu window is closed.
#include "app/Program.h"

#include <exception>

int main(int /*argc*/, char** argv)
{
    // The program reads no command line; only its own path matters (for the application title).
    try {
        rna::app::Program program(argv[0]);
        return program.run();
    } catch (const std::exception& error) {
        // A malformed window description: its message names the file and the entry.
        rna::app::Program::reportStartupFailure(argv[0], error.what());
        return 1;
    }
}
