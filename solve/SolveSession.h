// One run of torvaly-solve: the search on a worker thread, polled like the
// dialog polls it, then the result report.
#pragma once

#include "CommandLine.h"

#include <cstdio>
#include <ostream>

// Runs the search, showing progress on errOut when it is a terminal, and
// writes the result to out as the table, with m_trips as the trips, or with
// m_json as JSON. Messages (a stopped search, a failure) go to errOut, one
// line each. Returns the exit status (ExitStatus.h): a stop signal still
// reports the best path found so far.
int RunSolveSession(const CSolveOptions& options, std::ostream& out, std::FILE* errOut);
