// The crossing as every front end shows it, without a window toolkit: the
// middle layer between the puzzles (puzzle/) and a front end (the crossing
// view). It owns the puzzles to choose from and the chosen one with its
// solution, the answer replayed (AnswerTracks.h), the game
// (CrossingGame.h), and which of the two shows; it says what there is to
// show, and what each input means. The built-in puzzle's answer is the
// dialog's best path when the dialog gives one, else the exact solver's
// first plan: the same path, as CrossingStepsTest shows. A front end
// draws the scene, shows the texts, and passes on what the user does; it
// keeps its keys, its controls and its animations' timers, and names its
// own controls. The session calls nobody back.
#pragma once

#include "AnswerTracks.h"
#include "CrossingGame.h"
#include "RulesPanel.h"
#include "puzzle/PuzzleLibrary.h"

#include <memory>
#include <optional>
#include <string>

class CPuzzleCatalog;

class CCrossingSession {
public:
    // What shows: the chosen puzzle's answer, replayed step by step, or
    // the player's own game. Each keeps its place while the other shows.
    enum class Shown { ANSWER, GAME };
    static constexpr int BUILT_IN = 0;

    // The built-in puzzle's answer shows, from its first step; the shipped
    // puzzles are read from where they are kept.
    explicit CCrossingSession(CShippedPuzzles shipped);
    ~CCrossingSession();
    CCrossingSession(const CCrossingSession&) = delete;
    CCrossingSession& operator=(const CCrossingSession&) = delete;

    // The puzzles to choose from, by index: the built-in one (BUILT_IN),
    // the shipped ones, then the files opened.
    int PuzzleCount() const;
    const std::string& PuzzleTitle(int index) const;
    // How the chooser names a puzzle: its title and its best,
    // "夜の四人 — 最速 17 分". The puzzle is solved when first asked for.
    std::string PuzzleLabel(int index) const;
    // How a puzzle was found: its name, "" for a file that no name finds,
    // and its file's path (PuzzleLibrary.h).
    const CPuzzleEntry& PuzzleEntry(int index) const;
    int ChosenPuzzle() const;
    bool ShowsBuiltIn() const { return ChosenPuzzle() == BUILT_IN; }
    std::shared_ptr<const CPuzzle> Puzzle() const;

    // Chooses another puzzle: its game starts afresh and its answer shows
    // from its first step, but for the built-in one's, which keeps its
    // step. Whether the choice changed.
    bool ChoosePuzzle(int index);
    // Opens the puzzle of a name or a file (PuzzleLibrary.h) and chooses
    // it, as ChoosePuzzle does, even when it was chosen already. A puzzle
    // that cannot be used changes nothing: what is returned then says why,
    // in a sentence and the reader's reason.
    std::optional<std::string> OpenPuzzle(const std::string& fileOrName);
    // The same with a puzzle that the caller looked up already.
    std::optional<std::string> OpenPuzzle(const CFoundPuzzle& found);

    // The dialog's best path, as its steps (StepsOfPath), becomes the
    // built-in puzzle's answer; its step stays where it still exists,
    // otherwise it becomes the new path's last.
    void FollowDialog(const CrossingSteps& steps);
    // The built-in puzzle's answer's step, which the dialog's table
    // selects, whichever puzzle shows; whether a new step changed it.
    int BuiltInStep() const { return m_answers.BuiltIn().Step(); }
    bool SetBuiltInStep(int step) { return m_answers.BuiltIn().SetStep(step); }

    Shown Showing() const { return m_shown; }
    void Show(Shown shown) { m_shown = shown; }

    // What there is to show. The title follows the front end's own title
    // prefix. Above the picture: the caption, "手順 k / N" in the answer or
    // the game's counter; the summary line, the fewest trips and the number
    // of shortest plans of a puzzle other than the built-in one while its
    // answer shows, and empty otherwise; the sentence, which names the
    // control that makes a trip as the front end calls it; and the scene at
    // rest.
    std::string Title(const std::string& prefix) const;
    std::string Caption() const;
    std::string Summary() const;
    std::string Sentence(const std::string& crossControl) const;
    CStepScene Scene() const;
    // In a puzzle with times, beside the caption: the time taken up to the
    // step shown, or in the game, "経過 7 分（制限 15 分）"; "" without times.
    std::string TimeCounter() const;

    // The chosen puzzle's statement, line by line (RulesPanel.h), and the
    // line that the game's last refusal points at while it is what the
    // game says; -1 otherwise, and in the answer.
    const std::vector<CPanelLine>& Rules() const { return m_rules; }
    int HighlightedRule() const;

    // What is shown as a list of trips, as torvaly-solve writes and reads
    // them ("1 行き 農夫 ヤギ"), a line each: the answer's whole plan, or the
    // trips made so far in the game.
    std::string TripListText() const;

    // The answer shown: its steps and the step shown.
    const CReplayTrack& Answer() const { return m_answers.Shown(); }
    // Goes to a step of the answer, clamped to it; whether the step changed.
    bool GoToStep(int step) { return m_answers.Shown().SetStep(step); }
    // Playing runs from the step shown to the last; from the last step it
    // starts over at the first, which this goes to. Whether the step
    // changed.
    bool StartPlaying();

    // The game of the chosen puzzle, and what the player may do in it.
    const CCrossingGame& Game() const { return m_game; }
    // Those the player may choose: the travellers on the boat's bank, and
    // nobody once everybody is across.
    TravellerSet Choosable() const;
    void Toggle(int traveller) { m_game.Toggle(traveller); }
    // The chosen travellers cross if the judge accepts the trip; whether
    // they did.
    bool Cross();
    bool Undo() { return m_game.Undo(); }
    bool Redo() { return m_game.Redo(); }
    void Restart() { m_game.Restart(); }
    void Hint() { m_game.Hint(); }

private:
    // The chosen puzzle's game from its start, and its answer.
    void StartChosen();

    std::unique_ptr<CPuzzleCatalog> m_catalog;
    // The chosen puzzle's.
    std::shared_ptr<const CPuzzleSolution> m_solution;
    CAnswerTracks m_answers;
    CCrossingGame m_game;
    std::vector<CPanelLine> m_rules;
    Shown m_shown = Shown::ANSWER;
};
