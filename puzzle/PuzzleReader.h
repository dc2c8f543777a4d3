// Reads a puzzle stated in a file of TOML 1.0 (the format is in the README,
// "Your own puzzles"), with toml++. A file that cannot be used is refused
// with the first problem found, at its line and column where it has one.
#pragma once

#include "Puzzle.h"
#include "ReadingReasons.h"

#include <cstddef>
#include <string>
#include <string_view>

// The largest puzzle file read.
inline constexpr std::size_t MAX_PUZZLE_FILE_BYTES = std::size_t{1} << 20;
// How puzzle files' names end.
inline constexpr std::string_view PUZZLE_FILE_SUFFIX = ".crossing.toml";

// A puzzle read, or the problem that stopped the reading.
class CPuzzleReading {
public:
    explicit CPuzzleReading(CPuzzle puzzle);
    // line and column from 1, or 0 where the problem has no place in the text.
    CPuzzleReading(std::string source, int line, int column, CReason reason);

    bool IsRead() const { return m_unusable == false; }
    const CPuzzle& Puzzle() const { return m_puzzle; }
    int Line() const { return m_line; }
    int Column() const { return m_column; }
    // What is wrong, in English.
    std::string What() const { return ReasonWords(m_reason, Wording::ENGLISH); }
    // One line, safe for a terminal: "SOURCE:LINE:COLUMN: what is wrong", or
    // "SOURCE: what is wrong" without a place; in Japanese for a window.
    std::string Reason(Wording wording = Wording::ENGLISH) const;

private:
    CPuzzle m_puzzle;
    std::string m_source;
    int m_line = 0;
    int m_column = 0;
    bool m_unusable = false;
    CReason m_reason;
};

// Reads text, named source in problems; a puzzle that gives no title gets
// defaultTitle.
CPuzzleReading ReadPuzzleText(std::string_view text, std::string_view source, std::string_view defaultTitle);

// Reads the file at path, of at most MAX_PUZZLE_FILE_BYTES. The default
// title is the file's name without PUZZLE_FILE_SUFFIX.
CPuzzleReading ReadPuzzleFile(const std::string& path);
// Reads the text of the file at path as ReadPuzzleFile does, for a caller
// that has the text already: the web page, given a file.
CPuzzleReading ReadPuzzleFileText(std::string_view text, const std::string& path);

// The file's name without its folders and PUZZLE_FILE_SUFFIX (or ".toml").
std::string PuzzleFileStem(std::string_view path);
