// A crossing as steps, the shape in which it is replayed: the travellers at
// each place at every step, from everybody on the start bank, a trip taking
// two steps, boarded and landed. A puzzle's plan of trips comes to this
// shape here, once, and the dialog's path where the engine reads it
// (StepsOfPath in engine/PathTrips.h).
#pragma once

#include "play/StepScene.h"
#include "puzzle/Puzzle.h"

#include <vector>

using CrossingSteps = std::vector<PlaceGroups>;

// A trip is two steps: boarded, then landed.
inline constexpr int STEPS_PER_TRIP = 2;

// The start of puzzle, then each trip of plan boarded and landed.
CrossingSteps StepsOfPlan(const CPuzzle& puzzle, const std::vector<TravellerSet>& plan);

// The scene of every step, each after the one before it.
std::vector<CStepScene> ScenesOf(const CrossingSteps& steps);
