// One run of torvaly-solve: the search on a worker thread, polled like the
// dialog polls it, then the result report.
#pragma once

#include <cstdio>
#include <ostream>

// Exit statuses besides 0 (the search ran to its end) and 128 + signal (it was
// stopped by a signal; the best path so far is still reported).
inline constexpr int EXIT_START_FAILED = 1;
inline constexpr int EXIT_USAGE = 2;

// Runs the search, showing progress on progressOut when it is a terminal, and
// writes the result to out. Returns the exit status.
int RunSolveSession(bool countAlternatives, std::ostream& out, std::FILE* progressOut);
