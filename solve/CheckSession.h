// One run of torvaly-solve --check: the list of trips read from a file or
// standard input, checked against a puzzle, and the result written.
#pragma once

#include "CommandLine.h"
#include "puzzle/PuzzleSolver.h"

#include <cstdio>
#include <ostream>

// Checks the trips in options.m_checkFile ("-": standardInput) against the
// solved puzzle and writes the result to out as text or, with m_json, as
// JSON. A file that cannot be opened or read, or a line that cannot be read,
// is said in one line on errOut instead. Returns the exit status (ExitStatus.h).
int RunCheckSession(const CSolveOptions& options, const CPuzzleSolution& solution, std::ostream& out,
                    std::FILE* standardInput, std::FILE* errOut);
