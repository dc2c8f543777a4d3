// The end of a program's answer on standard output: flushed, and a lost write
// (a full disk, a closed pipe) said in one line on standard error, so that a
// script does not take a lost answer for a given one.
#pragma once

#include <cstdio>
#include <ostream>
#include <string_view>

// Flushes out and returns whether everything written to it got there. When
// not, writes "PROGRAM: error writing standard output: REASON" on err, the
// reason being errno's: the failed write's, when errno was cleared before the
// writing started, or the flush's. Returns false then.
bool FlushOutput(std::ostream& out, std::string_view program, std::FILE* err);
bool FlushOutput(std::FILE* out, std::string_view program, std::FILE* err);
