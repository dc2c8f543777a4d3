// A crossing of a puzzle replayed step by step, as the scenes of its steps,
// and the step shown.
#pragma once

#include "CrossingSteps.h"

#include <memory>
#include <string>
#include <vector>

class CReplayTrack {
public:
    // One step, everybody on the start bank of puzzle.
    explicit CReplayTrack(std::shared_ptr<const CPuzzle> puzzle);

    const CPuzzle& Puzzle() const { return *m_puzzle; }
    // Takes new steps: the step shown stays where it still exists,
    // otherwise it becomes the new crossing's last step. No steps at all
    // leave the one at the start.
    void SetSteps(const CrossingSteps& steps);
    // Moves to step, clamped to the crossing; whether the step changed.
    bool SetStep(int step);

    int Step() const { return m_step; }
    int StepCount() const { return static_cast<int>(m_scenes.size()); }
    int LastStep() const { return StepCount() - 1; }
    const CStepScene& Scene(int step) const { return m_scenes.at(static_cast<std::size_t>(step)); }
    const CStepScene& CurrentScene() const { return Scene(m_step); }

    // "手順 k / N" and the sentence of the shown step.
    std::string Caption() const;
    std::string Sentence() const;

private:
    std::shared_ptr<const CPuzzle> m_puzzle;
    std::vector<CStepScene> m_scenes;
    int m_step = 0;
};
