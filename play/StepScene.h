// What one step of a crossing shows: who is on each bank, who is in the
// boat, and where the boat is. The crossing view draws it and the step's
// sentence describes it.
#pragma once

#include "core/Places.h"
#include "puzzle/Puzzle.h"

#include <string>

struct CStepScene {
    TravellerSet m_atStart = 0; // on the start bank
    TravellerSet m_atFar = 0;   // on the far bank
    TravellerSet m_aboard = 0;  // in the boat
    // The boat's place, in the travellers' terms: PLACE_START or
    // PLACE_ARRIVED while it lies at the bank it last reached, PLACE_GOING or
    // PLACE_RETURNING while it is on the river with m_aboard.
    int m_boat = PLACE_START;
    // Who stepped off the boat at this step: those aboard at the step before.
    TravellerSet m_landed = 0;

    bool IsOnRiver() const { return m_boat == PLACE_GOING || m_boat == PLACE_RETURNING; }
    // Those on a bank (PLACE_START, PLACE_ARRIVED), or in the boat (either
    // trip's place).
    TravellerSet At(int place) const;
};

// The scene of an arrangement, given as the travellers at each place, after
// the arrangement before it (null for the first): the boat lies where the
// previous trip took it, at the start bank before any trip.
CStepScene SceneOf(const PlaceGroups& groups, const PlaceGroups* previous);

// What a place of a scene is called: the puzzle's name of a bank, or the
// boat's name for either trip's place.
std::string PlaceName(const CPuzzle& puzzle, int place);

// One sentence that says what the step shows: who crosses in which
// direction, who has landed, or that everybody waits at the start or has
// crossed.
std::string StepSentence(const CPuzzle& puzzle, const CStepScene& scene);
