// The puzzles a user can name: the built-in one, "torvaly", and the shipped
// ones, installed as files in share/torvaly-puzzle/puzzles beside the
// program's bin folder (or held as texts in memory, by the web page) and
// named by their files' names without ".crossing.toml". Anything else is
// read as a file.
#pragma once

#include "PuzzleReader.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The folder of the shipped puzzles for a program at programPath, or for
// the running program when programPath is empty: share/torvaly-puzzle/
// puzzles in the nearest folder up from the program's that has it, which
// for a program in a bin folder is that folder's sibling.
std::string ShippedPuzzleFolder(const std::string& programPath = "");

struct CPuzzleEntry {
    std::string m_name; // what --puzzle takes; "" for a file that no name finds
    std::string m_path; // "" for the built-in one, and a shipped one held in memory
};

// A puzzle file's name and text, held in memory.
struct CPuzzleFileText {
    std::string m_file; // "wolf.crossing.toml"
    std::string m_text;
};

// Where the shipped puzzles are kept: the files of a folder, as installed,
// or their texts in memory, as the web page keeps them, having no file
// system. A folder's path converts to it, so that callers name the folder
// as they always did.
class CShippedPuzzles {
public:
    CShippedPuzzles(std::string folder) : m_folder(std::move(folder)) {}
    static CShippedPuzzles InMemory(std::vector<CPuzzleFileText> files);

    // The shipped puzzles by name, the built-in one's name left out. A
    // text in memory has no path.
    std::vector<CPuzzleEntry> Entries() const;
    // Reads the puzzle of one of Entries().
    CPuzzleReading Read(const CPuzzleEntry& entry) const;

private:
    CShippedPuzzles() = default;

    std::string m_folder;
    bool m_inMemory = false;
    std::vector<CPuzzleFileText> m_files;
};

// The built-in puzzle, then the shipped ones, by name.
std::vector<CPuzzleEntry> PuzzleEntries(const CShippedPuzzles& shipped);

// A puzzle looked up by its name or its file: what was read, and the entry
// it was read from, whose path is the file's canonical path, so that two
// names of the same file are the same entry.
struct CFoundPuzzle {
    CPuzzleEntry m_entry;
    CPuzzleReading m_reading;
};

// Reads the puzzle of an entry of PuzzleEntries.
CFoundPuzzle ReadPuzzleEntry(const CPuzzleEntry& entry, const CShippedPuzzles& shipped);

// Whether text is a puzzle's name rather than a file's: letters, digits and
// dashes only.
bool IsPuzzleName(std::string_view text);

// The one lookup of a puzzle that a user names: the built-in one by its
// name, a shipped one by its name, or else the file at that path, read
// once. A shipped puzzle's file keeps its name, whatever path leads to it.
// An unknown name is not read, and its reading says which names there are.
CFoundPuzzle FindPuzzle(std::string_view fileOrName, const CShippedPuzzles& shipped);

// The lookup by name alone, which reads no file: text that is not a name
// is an unknown name.
CFoundPuzzle FindNamedPuzzle(std::string_view name, const CShippedPuzzles& shipped);

// The reading of FindPuzzle, for callers that need no more.
CPuzzleReading OpenPuzzle(std::string_view fileOrName, const CShippedPuzzles& shipped);

// A puzzle file's text given without a path, as a web page is given a
// file, named file (ReadPuzzleFileText). Its entry's path is the file's
// name, so that the same file given again is the same entry; no name finds
// it.
CFoundPuzzle ReadGivenFile(const std::string& file, std::string_view text);
