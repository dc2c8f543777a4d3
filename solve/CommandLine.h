// The options of torvaly-solve, its help and its version line.
#pragma once

#include <string>

// The name in the program's messages and its version line.
inline constexpr const char* SOLVE_PROGRAM_NAME = "torvaly-solve";

struct CSolveOptions {
    bool m_countAlternatives = false;
    bool m_json = false;
    bool m_trips = false;    // the best path as numbered trips
    bool m_check = false;    // check the list of trips in m_checkFile instead of searching
    std::string m_checkFile; // "-" for standard input
    // A puzzle solved exactly, or whose trips are checked or which is
    // printed, instead of the built-in puzzle's search: a file or a name.
    std::string m_puzzle;
    bool m_printPuzzle = false; // write the puzzle as a puzzle file
    bool m_listPuzzles = false; // list the puzzles that have names
    bool m_showHelp = false;
    bool m_showVersion = false;
    std::string m_error; // set when the command line cannot be used
};

CSolveOptions ParseCommandLine(int argc, const char* const* argv);

// The whole of --help: synopsis, description, options, the figures, the
// puzzles, the JSON fields and the exit statuses.
std::string UsageText();

// "torvaly-solve (TorvalyPuzzle) 1.0.0.1" and a newline.
std::string VersionText();
