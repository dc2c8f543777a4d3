// The runs of torvaly-solve that take a puzzle rather than search: the exact
// solution of a puzzle, the puzzle written as a file, and the list of the
// puzzles that have names.
#pragma once

#include "CommandLine.h"
#include "puzzle/PuzzleSolver.h"

#include <cstdio>
#include <ostream>
#include <string>

// Writes the first shortest plan as numbered trips, then the fewest trips
// and the number of shortest plans, or that there is no way across; with
// m_json as one JSON object. Returns the exit status (ExitStatus.h).
int RunPuzzleSession(const CSolveOptions& options, const CPuzzleSolution& solution, std::ostream& out,
                     std::FILE* errOut);

// Writes puzzle as a puzzle file.
int RunPrintPuzzle(const CPuzzle& puzzle, std::ostream& out, std::FILE* errOut);

// Lists the built-in puzzle and those in folder: name, title, travellers and
// fewest trips, a line or a JSON object each. A shipped file that cannot be
// used is named on errOut, and makes the status EXIT_USAGE.
int RunPuzzleList(const CSolveOptions& options, const std::string& folder, std::ostream& out, std::FILE* errOut);
