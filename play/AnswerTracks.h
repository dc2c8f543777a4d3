// The answer replayed for the chosen puzzle, as a track of its steps with
// the step shown (ReplayTrack.h), and the built-in puzzle's answer, which
// keeps its step while another puzzle's answer shows.
//
// The built-in puzzle's answer is the dialog's best path once the dialog
// gives one, and the exact solver's first plan until then or without a
// dialog. The two are the same path, the search's best: CrossingStepsTest
// compares the first plan with the recorded best path, step by step. So
// the view alone replays what it would replay beside the dialog. Another
// puzzle's answer is its first plan.
#pragma once

#include "ReplayTrack.h"
#include "puzzle/PuzzleSolver.h"

#include <memory>

class CAnswerTracks {
public:
    // The built-in puzzle's first plan shows, from its first step.
    CAnswerTracks(std::shared_ptr<const CPuzzle> builtIn, const CPuzzleSolution& builtInSolution);

    // The dialog's best path, as its steps (StepsOfPath), is the built-in
    // puzzle's answer from now on: its step stays where it still exists,
    // otherwise it becomes the new path's last.
    void FollowDialog(const CrossingSteps& steps);
    CReplayTrack& BuiltIn() { return m_builtIn; }
    const CReplayTrack& BuiltIn() const { return m_builtIn; }

    // The built-in puzzle's answer shows, at its step.
    void ShowBuiltIn() { m_plan.reset(); }
    // Another puzzle's first plan shows, from its first step.
    void ShowPlan(std::shared_ptr<const CPuzzle> puzzle, const CPuzzleSolution& solution);
    CReplayTrack& Shown() { return m_plan != nullptr ? *m_plan : m_builtIn; }
    const CReplayTrack& Shown() const { return m_plan != nullptr ? *m_plan : m_builtIn; }

private:
    CReplayTrack m_builtIn;
    // Null while the built-in puzzle's answer shows.
    std::unique_ptr<CReplayTrack> m_plan;
};
