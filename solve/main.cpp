// torvaly-solve: runs the puzzle's search on a worker thread, as the dialog
// does, and prints the best path found with the dialog's figures; or checks
// a list of trips; or solves a puzzle stated in a file exactly.

#include "CheckSession.h"
#include "CommandLine.h"
#include "ExitStatus.h"
#include "PuzzleSession.h"
#include "SolveSession.h"
#include "StopSignal.h"
#include "platform/FlushOutput.h"
#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleLibrary.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

int main(int argc, char** argv)
{
    const CSolveOptions options = ParseCommandLine(argc, argv);
    if (!options.m_error.empty()) {
        std::fprintf(stderr, "%s: %s\n", SOLVE_PROGRAM_NAME, options.m_error.c_str());
        return EXIT_USAGE;
    }
    if (options.m_showHelp || options.m_showVersion) {
        errno = 0;
        std::cout << (options.m_showHelp ? UsageText() : VersionText());
        return FlushOutput(std::cout, SOLVE_PROGRAM_NAME, stderr) ? EXIT_DONE : EXIT_FAILED;
    }
    if (options.m_listPuzzles)
        return RunPuzzleList(options, ShippedPuzzleFolder(), std::cout, stderr);
    if (options.m_puzzle.empty() && !options.m_printPuzzle) {
        if (options.m_check)
            return RunCheckSession(options, BuiltInSolution(), std::cout, stdin, stderr);
        InstallStopHandlers();
        return RunSolveSession(options, std::cout, stderr);
    }

    const CPuzzleReading reading =
        OpenPuzzle(options.m_puzzle.empty() ? BUILT_IN_PUZZLE_NAME : options.m_puzzle, ShippedPuzzleFolder());
    if (!reading.IsRead()) {
        std::fprintf(stderr, "%s: %s\n", SOLVE_PROGRAM_NAME, reading.Reason().c_str());
        return EXIT_USAGE;
    }
    if (options.m_printPuzzle)
        return RunPrintPuzzle(reading.Puzzle(), std::cout, stderr);
    const CPuzzleSolution solution(reading.Puzzle());
    if (options.m_check)
        return RunCheckSession(options, solution, std::cout, stdin, stderr);
    return RunPuzzleSession(options, solution, std::cout, stderr);
}
