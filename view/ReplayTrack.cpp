#include "ReplayTrack.h"

#include "display/StepText.h"
#include "puzzle/BuiltInPuzzle.h"

#include <algorithm>

CReplayTrack::CReplayTrack()
{
    SetPath(CCrossingPath());
}

void CReplayTrack::SetPath(const CCrossingPath& path)
{
    m_scenes.clear();
    for (int step = 0; step <= path.Top(); ++step)
        m_scenes.push_back(SceneOfStep(path, step));
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
    return StepSentence(BuiltInPuzzle(), CurrentScene());
}
