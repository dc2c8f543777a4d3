// torvaly-solve: runs the puzzle's search on a worker thread, as the dialog
// does, and prints the best path found with the dialog's figures; or checks
// a list of trips.

#include "CheckSession.h"
#include "CommandLine.h"
#include "SolveSession.h"
#include "StopSignal.h"
#include "platform/FlushOutput.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

int main(int argc, char** argv)
{
    const CSolveOptions options = ParseCommandLine(argc, argv);
    if (!options.m_error.empty()) {
        std::fprintf(stderr, "torvaly-solve: %s\n", options.m_error.c_str());
        return EXIT_USAGE;
    }
    if (options.m_showHelp || options.m_showVersion) {
        errno = 0;
        std::cout << (options.m_showHelp ? UsageText() : VersionText());
        return FlushOutput(std::cout, SOLVE_PROGRAM_NAME, stderr) ? 0 : EXIT_WRITE_FAILED;
    }
    if (options.m_check)
        return RunCheckSession(options, std::cout, stdin, stderr);
    InstallStopHandlers();
    return RunSolveSession(options, std::cout, stderr);
}
