// The command line of a program on the window layer: --help and --version
// answer without a display; the toolkit's own options pass through to it;
// anything else is refused.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

// The name the program was started by, without its folder, for the lines it
// writes on the terminal.
std::string ProgramName(const char* argv0);

// The exit status when the command line has been answered (0; 1, with one
// line on err, when out could not be written) or refused (2, with one line
// on err); nothing when the program should go on to open
// its window.
std::optional<int> AnswerCommandLine(int argc, char* argv[], std::FILE* out, std::FILE* err);
