// The command line of a program on the window layer: --help and --version
// answer without a display; the toolkit's own options pass through to it;
// the program's own options, which take a value, are collected for it;
// anything else is refused.
#pragma once

#include <cstdio>
#include <map>
#include <optional>
#include <span>
#include <string>

// An option of the program itself, followed by its value ("--play FILE"),
// or with it after "=".
struct CProgramOption {
    const char* m_name;      // "--play"
    const char* m_valueName; // "FILE", for --help
    const char* m_help;      // one line for --help
};

// The values given to the program's options, by option name.
using CProgramValues = std::map<std::string, std::string>;

// The name the program was started by, without its folder, for the lines it
// writes on the terminal.
std::string ProgramName(const char* argv0);

// The exit status when the command line has been answered (0; 1, with one
// line on err, when out could not be written) or refused (2, with one line
// on err); nothing when the program should go on to open its window, with
// the values of its own options in values.
std::optional<int> AnswerCommandLine(int argc, char* argv[], std::FILE* out, std::FILE* err,
                                     std::span<const CProgramOption> options = {}, CProgramValues* values = nullptr);
