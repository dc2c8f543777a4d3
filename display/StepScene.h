// What one step of a path shows: who is on each bank, who is in the boat, and
// where the boat is. The crossing view draws it and the step's sentence
// describes it.
#pragma once

#include "engine/CrossingPath.h"
#include "engine/CrossingState.h"

#include <array>

struct CStepScene {
    TravellerSet m_atStart = ALL_TRAVELLERS; // on 日本
    TravellerSet m_atFar = 0;                // on 米国
    TravellerSet m_aboard = 0;               // in the boat
    // The boat's place, in the travellers' terms: PLACE_START or
    // PLACE_ARRIVED while it lies at the bank it last reached, PLACE_GOING or
    // PLACE_RETURNING while it is on the river with m_aboard.
    int m_boat = PLACE_START;
    // Who stepped off the boat at this step: those aboard at the step before.
    TravellerSet m_landed = 0;

    bool IsOnRiver() const { return m_boat == PLACE_GOING || m_boat == PLACE_RETURNING; }
};

// The scene of an arrangement, given as the travellers at each place, after
// the arrangement before it (null for the first): the boat lies where the
// previous trip took it, at 日本 before any trip.
CStepScene SceneOf(const std::array<TravellerSet, PLACE_COUNT>& groups,
                   const std::array<TravellerSet, PLACE_COUNT>* previous);

// The scene of a path's step, 0 to path.Top().
CStepScene SceneOfStep(const CCrossingPath& path, int step);
