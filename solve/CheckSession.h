// One run of torvaly-solve --check: the list of trips read from a file or
// standard input, checked, and the result written.
#pragma once

#include "CommandLine.h"

#include <cstdio>
#include <ostream>

// Checks the trips in options.m_checkFile ("-": standardInput) and writes the
// result to out as text or, with m_json, as JSON. A file that cannot be
// opened or read, or a line that cannot be read, is said in one line on
// errOut instead. Returns the exit status: 0 when the trips bring everybody
// across, 1 when a trip is refused or somebody is left (or out could not be
// written), 2 when the input cannot be read.
int RunCheckSession(const CSolveOptions& options, std::ostream& out, std::FILE* standardInput, std::FILE* errOut);
