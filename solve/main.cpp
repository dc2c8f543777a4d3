// torvaly-solve: runs the puzzle's search on a worker thread, as the dialog
// does, and prints the best path found with the dialog's figures.

#include "CommandLine.h"
#include "SolveSession.h"
#include "StopSignal.h"

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
        return FlushOutput(std::cout, stderr) ? 0 : EXIT_WRITE_FAILED;
    }
    InstallStopHandlers();
    return RunSolveSession(options, std::cout, stderr);
}
