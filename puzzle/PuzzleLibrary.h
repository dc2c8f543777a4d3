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
    std::string m_name; // what --puzzle takes; "" for a file that no name finds
    std::string m_path; // "" for the built-in one
};

// The built-in puzzle, then the files of folder, by name.
std::vector<CPuzzleEntry> PuzzleEntries(const std::string& folder);

// A puzzle looked up by its name or its file: what was read, and the entry
// it was read from, whose path is the file's canonical path, so that two
// names of the same file are the same entry.
struct CFoundPuzzle {
    CPuzzleEntry m_entry;
    CPuzzleReading m_reading;
};

// Reads the puzzle of an entry of PuzzleEntries.
CFoundPuzzle ReadPuzzleEntry(const CPuzzleEntry& entry);

// Whether text is a puzzle's name rather than a file's: letters, digits and
// dashes only.
bool IsPuzzleName(std::string_view text);

// The one lookup of a puzzle that a user names: the built-in one by its
// name, a shipped one from folder by its name, or else the file at that
// path, read once. A shipped puzzle's file keeps its name, whatever path
// leads to it. An unknown name is not read, and its reading says which
// names there are.
CFoundPuzzle FindPuzzle(std::string_view fileOrName, const std::string& folder);

// The reading of FindPuzzle, for callers that need no more.
CPuzzleReading OpenPuzzle(std::string_view fileOrName, const std::string& folder);
