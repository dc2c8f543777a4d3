// A crossing as steps, the shape in which it is replayed: the travellers at
// each place at every step, from everybody on the start bank, a trip taking
// two steps, boarded and landed. The dialog's path and a puzzle's plan of
// trips both come to this shape here, once.
#pragma once

#include "engine/CrossingPath.h"
#include "play/StepScene.h"
#include "puzzle/Puzzle.h"

#include <vector>

using CrossingSteps = std::vector<PlaceGroups>;

// Every arrangement of a path of the built-in puzzle.
CrossingSteps StepsOfPath(const CCrossingPath& path);

// The start of puzzle, then each trip of plan boarded and landed.
CrossingSteps StepsOfPlan(const CPuzzle& puzzle, const std::vector<TravellerSet>& plan);

// The scene of every step, each after the one before it.
std::vector<CStepScene> ScenesOf(const CrossingSteps& steps);
