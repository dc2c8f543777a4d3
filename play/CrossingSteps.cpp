#include "CrossingSteps.h"

#include "puzzle/PuzzleJudge.h"

CrossingSteps StepsOfPlan(const CPuzzle& puzzle, const std::vector<TravellerSet>& plan)
{
    const TravellerSet everybody = puzzle.Everybody();
    CPuzzleState state;
    CrossingSteps steps = {GroupsOf(everybody, 0, state.m_across)};
    for (const TravellerSet trip : plan) {
        // Those aboard on a return trip are still counted across until they
        // land.
        steps.push_back(GroupsOf(everybody, trip, state.m_across));
        state = StateAfterTrip(state, trip);
        steps.push_back(GroupsOf(everybody, 0, state.m_across));
    }
    return steps;
}

std::vector<CStepScene> ScenesOf(const CrossingSteps& steps)
{
    std::vector<CStepScene> scenes;
    for (std::size_t step = 0; step < steps.size(); ++step)
        scenes.push_back(SceneOf(steps[step], step > 0 ? &steps[step - 1] : nullptr));
    return scenes;
}
