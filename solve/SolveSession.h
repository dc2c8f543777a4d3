// One run of torvaly-solve: the search on a worker thread, polled like the
// dialog polls it, then the result report.
#pragma once

#include "CommandLine.h"

#include <cstdio>
#include <ostream>

// Exit statuses besides 0 (the search ran to its end) and 128 + signal (a
// stop signal was received; the best path so far is still reported).
inline constexpr int EXIT_START_FAILED = 1;
inline constexpr int EXIT_WRITE_FAILED = 1;
inline constexpr int EXIT_USAGE = 2;

// Runs the search, showing progress on errOut when it is a terminal, and
// writes the result to out as text or, with m_json, as JSON. Messages (a
// stopped search, a failure) go to errOut, one line each. Returns the exit
// status.
int RunSolveSession(const CSolveOptions& options, std::ostream& out, std::FILE* errOut);

// Flushes out; when anything written to it was lost, says so on errOut in one
// line, with errno's reason when the writer cleared errno before writing, and
// returns false.
bool FlushOutput(std::ostream& out, std::FILE* errOut);
