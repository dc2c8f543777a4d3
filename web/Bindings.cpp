// What the page's script may ask of the back end, bound with embind. The
// script draws and passes on input; every text it shows comes from here.

#include "web/ShippedPuzzleTexts.h"

#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleReader.h"
#include "puzzle/PuzzleSolver.h"
#include "texts/SolutionText.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

namespace {

// { name, title, summary } of a puzzle and its solution.
emscripten::val Listing(const std::string& name, const CPuzzle& puzzle, const CPuzzleSolution& solution)
{
    emscripten::val listing = emscripten::val::object();
    listing.set("name", name);
    listing.set("title", puzzle.m_title);
    listing.set("summary", SolutionSummary(solution));
    return listing;
}

// The puzzles to choose from: the built-in one, then the shipped ones by
// name. A shipped puzzle that cannot be read is left out, as the crossing
// view's chooser leaves it out.
emscripten::val PuzzleList()
{
    emscripten::val list = emscripten::val::array();
    list.call<void>("push", Listing(BUILT_IN_PUZZLE_NAME, BuiltInPuzzle(), BuiltInSolution()));
    for (const CShippedPuzzleText& shipped : ShippedPuzzleTexts()) {
        const std::string stem = PuzzleFileStem(shipped.m_file);
        const CPuzzleReading reading = ReadPuzzleText(shipped.m_text, shipped.m_file, stem);
        if (reading.IsRead())
            list.call<void>("push", Listing(stem, reading.Puzzle(), CPuzzleSolution(reading.Puzzle())));
    }
    return list;
}

// A puzzle file's text, named source, read and solved: its listing, named
// by source's stem, or { reason } for a text that cannot be used.
emscripten::val SolvePuzzleText(const std::string& text, const std::string& source)
{
    const std::string stem = PuzzleFileStem(source);
    const CPuzzleReading reading = ReadPuzzleText(text, source, stem);
    if (!reading.IsRead()) {
        emscripten::val problem = emscripten::val::object();
        problem.set("reason", reading.Reason());
        return problem;
    }
    return Listing(stem, reading.Puzzle(), CPuzzleSolution(reading.Puzzle()));
}

} // namespace

EMSCRIPTEN_BINDINGS(torvaly)
{
    emscripten::function("puzzleList", &PuzzleList);
    emscripten::function("solvePuzzleText", &SolvePuzzleText);
}
