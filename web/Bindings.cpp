// What the page's script may ask of the back end, bound with embind: the
// session as the page drives it (PageSession.h), and, for the benchmarks,
// a puzzle file's text read and solved. The script draws and passes on
// input; every text it shows comes from here.

#include "PageSession.h"

#include "puzzle/PuzzleReader.h"
#include "puzzle/PuzzleSolver.h"
#include "texts/SolutionText.h"

#include <emscripten/bind.h>

namespace {

// A puzzle file's text, named source, read and solved: { summary } of its
// solution, or { reason } for a text that cannot be used. The benchmarks
// time it (bench/web_solve.js) as the native solver's are timed.
emscripten::val SolvePuzzleText(const std::string& text, const std::string& source)
{
    const CPuzzleReading reading = ReadPuzzleText(text, source, PuzzleFileStem(source));
    emscripten::val solved = emscripten::val::object();
    if (reading.IsRead())
        solved.set("summary", SolutionSummary(CPuzzleSolution(reading.Puzzle())));
    else
        solved.set("reason", reading.Reason());
    return solved;
}

} // namespace

EMSCRIPTEN_BINDINGS(torvaly)
{
    emscripten::function("solvePuzzleText", &SolvePuzzleText);
    emscripten::class_<CPageSession>("PageSession")
        .constructor<>()
        .function("puzzles", &CPageSession::Puzzles)
        .function("chosenPuzzle", &CPageSession::ChosenPuzzle)
        .function("choosePuzzle", &CPageSession::ChoosePuzzle)
        .function("openGivenFile", &CPageSession::OpenGivenFile)
        .function("openLinkedName", &CPageSession::OpenLinkedName)
        .function("openLinkedFile", &CPageSession::OpenLinkedFile)
        .class_function("unreadableLink", &CPageSession::UnreadableLink)
        .function("puzzle", &CPageSession::Puzzle)
        .function("shown", &CPageSession::Shown)
        .function("answerScene", &CPageSession::AnswerScene)
        .function("lastTrip", &CPageSession::LastTrip)
        .function("show", &CPageSession::Show)
        .function("goToStep", &CPageSession::GoToStep)
        .function("startPlaying", &CPageSession::StartPlaying)
        .function("toggle", &CPageSession::Toggle)
        .function("cross", &CPageSession::Cross)
        .function("undo", &CPageSession::Undo)
        .function("redo", &CPageSession::Redo)
        .function("restart", &CPageSession::Restart)
        .function("hint", &CPageSession::Hint)
        .function("position", &CPageSession::Position)
        .function("replayTrips", &CPageSession::ReplayTrips);
}
