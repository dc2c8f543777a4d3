#include "ReplayTrack.h"

#include "texts/StepText.h"

#include <algorithm>

CReplayTrack::CReplayTrack(std::shared_ptr<const CPuzzle> puzzle) : m_puzzle(std::move(puzzle))
{
    SetSteps({});
}

void CReplayTrack::SetSteps(const CrossingSteps& steps)
{
    m_scenes = ScenesOf(steps.empty() ? StepsOfPlan(*m_puzzle, {}) : steps);
    m_step = std::min(m_step, LastStep());
}

bool CReplayTrack::SetStep(int step)
{
    const int clamped = std::clamp(step, 0, LastStep());
    if (clamped == m_step)
        return false;
    m_step = clamped;
    return true;
}

std::string CReplayTrack::Caption() const
{
    return StepCaption(m_step, StepCount());
}

std::string CReplayTrack::Sentence() const
{
    return StepSentence(*m_puzzle, CurrentScene());
}
