// The path the crossing view replays, as the scenes of its steps, and the
// step it shows. No window toolkit.
#pragma once

#include "display/StepScene.h"

#include <string>
#include <vector>

class CReplayTrack {
public:
    // The path before any search: one step, everybody at 日本.
    CReplayTrack();

    // Takes a new path: the step stays where it still exists, otherwise it
    // becomes the new path's last step.
    void SetPath(const CCrossingPath& path);
    // Moves to step, clamped to the path; whether the step changed.
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
    std::vector<CStepScene> m_scenes;
    int m_step = 0;
};
