// One run of torvaly-solve: the search on a worker thread, polled like the
// dialog polls it, then the result report.
#pragma once

#include "CommandLine.h"

#include <cstdio>
#include <ostream>

// Exit statuses besides 0 (the search ran to its end) and 128 + signal (a
// stop signal was received; the best path so far is still reported); a check
// of trips (CheckSession.h) uses 1 and 2 as well.
inline constexpr int EXIT_START_FAILED = 1;
inline constexpr int EXIT_WRITE_FAILED = 1;
inline constexpr int EXIT_USAGE = 2;

// Runs the search, showing progress on errOut when it is a terminal, and
// writes the result to out as the table, with m_trips as the trips, or with
// m_json as JSON. Messages (a
// stopped search, a failure) go to errOut, one line each. Returns the exit
// status.
int RunSolveSession(const CSolveOptions& options, std::ostream& out, std::FILE* errOut);
