#include "StepScene.h"

namespace {

std::array<TravellerSet, PLACE_COUNT> GroupsAt(const CCrossingPath& path, int step)
{
    std::array<TravellerSet, PLACE_COUNT> groups{};
    for (int traveller = 0; traveller < TRAVELLER_COUNT; ++traveller) {
        const int place = path.GetPlaceAt(step, traveller);
        if (place >= PLACE_START && place < PLACE_COUNT)
            groups[static_cast<std::size_t>(place)] |= TravellerBit(traveller);
    }
    return groups;
}

TravellerSet AboardIn(const std::array<TravellerSet, PLACE_COUNT>& groups)
{
    return groups[PLACE_GOING] | groups[PLACE_RETURNING];
}

} // namespace

CStepScene SceneOf(const std::array<TravellerSet, PLACE_COUNT>& groups,
                   const std::array<TravellerSet, PLACE_COUNT>* previous)
{
    CStepScene scene;
    scene.m_atStart = groups[PLACE_START];
    scene.m_atFar = groups[PLACE_ARRIVED];
    scene.m_aboard = AboardIn(groups);
    if (groups[PLACE_GOING] != 0) {
        scene.m_boat = PLACE_GOING;
    } else if (groups[PLACE_RETURNING] != 0) {
        scene.m_boat = PLACE_RETURNING;
    } else if (previous != nullptr && AboardIn(*previous) != 0) {
        // A trip has just landed: the boat lies where it went.
        scene.m_boat = (*previous)[PLACE_GOING] != 0 ? PLACE_ARRIVED : PLACE_START;
        scene.m_landed = AboardIn(*previous);
    }
    return scene;
}

CStepScene SceneOfStep(const CCrossingPath& path, int step)
{
    if (step <= 0)
        return SceneOf(GroupsAt(path, 0), nullptr);
    const std::array<TravellerSet, PLACE_COUNT> previous = GroupsAt(path, step - 1);
    return SceneOf(GroupsAt(path, step), &previous);
}
