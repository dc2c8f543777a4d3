// The puzzles a player can choose from: the built-in one first, then the
// shipped ones, then the files opened in this run; and which one is chosen.
// Each puzzle is solved when it is first asked for, and kept.
#pragma once

#include "puzzle/PuzzleReader.h"
#include "puzzle/PuzzleSolver.h"

#include <memory>
#include <string>
#include <vector>

class CPuzzleCatalog {
public:
    // The shipped puzzles are read from shippedFolder; one that cannot be
    // used is left out.
    explicit CPuzzleCatalog(const std::string& shippedFolder);

    int Count() const { return static_cast<int>(m_entries.size()); }
    static constexpr int BUILT_IN = 0;
    const CPuzzle& PuzzleAt(int index) const { return *m_entries.at(static_cast<std::size_t>(index)).m_puzzle; }
    std::shared_ptr<const CPuzzle> SharedPuzzleAt(int index) const;
    // Solved when first asked for.
    std::shared_ptr<const CPuzzleSolution> SolutionAt(int index);

    int Chosen() const { return m_chosen; }
    // Whether the choice changed; an index that is no puzzle's changes
    // nothing.
    bool Choose(int index);

    // Reads the file at path and chooses it: a file opened before is chosen
    // again, read anew; a new one is added at the end. A file that cannot be
    // used changes nothing, and the reading says why.
    CPuzzleReading Open(const std::string& path);
    // Chooses the puzzle of that name (PuzzleLibrary.h), or opens the file.
    CPuzzleReading OpenNamed(const std::string& fileOrName);
    // The index of a puzzle opened from path, or -1.
    int IndexOfFile(const std::string& path) const;

private:
    struct CEntry {
        std::shared_ptr<const CPuzzle> m_puzzle;
        std::string m_name; // "" for a file opened
        std::string m_path; // "" for the built-in puzzle
        std::shared_ptr<const CPuzzleSolution> m_solution;
    };

    std::string m_shippedFolder;
    std::vector<CEntry> m_entries;
    int m_chosen = BUILT_IN;
};
