// The puzzles a player can choose from: the built-in one first, then the
// shipped ones, then the files opened in this run; and which one is chosen.
// Every puzzle comes from the library's one lookup (PuzzleLibrary.h), whose
// entry the catalog keeps, so that a puzzle is the same one by its name or
// by any path to its file. Each puzzle is solved when it is first asked for,
// and kept.
#pragma once

#include "puzzle/PuzzleLibrary.h"
#include "puzzle/PuzzleSolver.h"

#include <memory>
#include <string>
#include <vector>

class CPuzzleCatalog {
public:
    // The shipped puzzles are read from where they are kept; one that
    // cannot be used is left out.
    explicit CPuzzleCatalog(CShippedPuzzles shipped);

    int Count() const { return static_cast<int>(m_entries.size()); }
    static constexpr int BUILT_IN = 0;
    const CPuzzle& PuzzleAt(int index) const { return *SharedPuzzleAt(index); }
    std::shared_ptr<const CPuzzle> SharedPuzzleAt(int index) const;
    // The entry a puzzle was found by (PuzzleLibrary.h).
    const CPuzzleEntry& EntryAt(int index) const;
    // Solved when first asked for.
    std::shared_ptr<const CPuzzleSolution> SolutionAt(int index);

    int Chosen() const { return m_chosen; }
    // Whether the choice changed; an index that is no puzzle's changes
    // nothing.
    bool Choose(int index);

    // Looks the puzzle up by its name or its file, and keeps it. A puzzle
    // that cannot be used changes nothing, and the reading says why.
    CPuzzleReading Open(const std::string& fileOrName);
    // Keeps a puzzle looked up already and chooses it: the puzzle of the
    // same name or file is read anew in its place, another one is added at
    // the end. One that was not read changes nothing.
    void Keep(const CFoundPuzzle& found);

private:
    struct CEntry {
        std::shared_ptr<const CPuzzle> m_puzzle;
        CPuzzleEntry m_entry;
        std::shared_ptr<const CPuzzleSolution> m_solution;
    };

    // The index of the entry with found's name or file, or -1.
    int IndexOf(const CPuzzleEntry& found) const;

    CShippedPuzzles m_shipped;
    std::vector<CEntry> m_entries;
    int m_chosen = BUILT_IN;
};
