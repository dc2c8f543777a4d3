#include "AnswerTracks.h"

CAnswerTracks::CAnswerTracks(std::shared_ptr<const CPuzzle> builtIn, const CPuzzleSolution& builtInSolution)
    : m_builtIn(builtIn)
{
    m_builtIn.SetSteps(StepsOfPlan(*builtIn, builtInSolution.FirstPlan()));
}

void CAnswerTracks::FollowDialog(const CrossingSteps& steps)
{
    m_builtIn.SetSteps(steps);
}

void CAnswerTracks::ShowPlan(std::shared_ptr<const CPuzzle> puzzle, const CPuzzleSolution& solution)
{
    m_plan = std::make_unique<CReplayTrack>(puzzle);
    m_plan->SetSteps(StepsOfPlan(*puzzle, solution.FirstPlan()));
}
