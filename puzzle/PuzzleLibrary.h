// The puzzles a user can name: the built-in one, "torvaly", and the shipped
// ones, installed as files in share/torvaly-puzzle/puzzles beside the
// program's bin folder and named by their files' names without
// ".crossing.toml". Anything else is read as a file.
#pragma once

#include "PuzzleReader.h"

#include <string>
#include <string_view>
#include <vector>

// The folder of the shipped puzzles for a program at programPath, or for
// the running program when programPath is empty: share/torvaly-puzzle/
// puzzles in the nearest folder up from the program's that has it, which
// for a program in a bin folder is that folder's sibling.
std::string ShippedPuzzleFolder(const std::string& programPath = "");

struct CPuzzleEntry {
    std::string m_name; // what --puzzle takes
    std::string m_path; // "" for the built-in one
};

// The built-in puzzle, then the files of folder, by name.
std::vector<CPuzzleEntry> PuzzleEntries(const std::string& folder);

// Whether text is a puzzle's name rather than a file's: letters, digits and
// dashes only.
bool IsPuzzleName(std::string_view text);

// The puzzle named by fileOrName: the built-in one by its name, a shipped
// one from folder by its name, or else the file at that path.
CPuzzleReading OpenPuzzle(std::string_view fileOrName, const std::string& folder);
