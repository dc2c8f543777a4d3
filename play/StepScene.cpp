#include "StepScene.h"

#include "texts/StepText.h"

namespace {

TravellerSet AboardIn(const PlaceGroups& groups)
{
    return groups[PLACE_GOING] | groups[PLACE_RETURNING];
}

} // namespace

TravellerSet CStepScene::At(int place) const
{
    switch (place) {
    case PLACE_START:
        return m_atStart;
    case PLACE_ARRIVED:
        return m_atFar;
    default:
        return m_aboard;
    }
}

CStepScene SceneOf(const PlaceGroups& groups, const PlaceGroups* previous)
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

std::string PlaceName(const CPuzzle& puzzle, int place)
{
    return place == PLACE_START || place == PLACE_ARRIVED ? puzzle.BankName(place) : BoatText();
}

std::string StepSentence(const CPuzzle& puzzle, const CStepScene& scene)
{
    if (scene.IsOnRiver())
        return CrossingSentence(puzzle, scene.m_aboard, scene.m_boat);
    if (scene.m_atStart == 0 && scene.m_aboard == 0)
        return AllAcrossSentence(puzzle, scene.m_landed);
    if (scene.m_landed != 0)
        return LandedSentence(puzzle, scene.m_landed, scene.m_boat);
    if (scene.m_atFar == 0 && scene.m_aboard == 0)
        return AllAtStartSentence(puzzle);
    return BoatAtSentence(puzzle, scene.m_boat);
}
