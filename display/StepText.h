// The texts of one step of a crossing as the crossing view shows them: its
// caption and the sentence that says what happens, in a puzzle's names.
#pragma once

#include "display/StepScene.h"
#include "puzzle/Puzzle.h"

#include <string>

// "舟": the boat, in sentences and as the name of what it holds.
const char* BoatText();

// "手順 k / N" for step (0-based) of stepCount steps.
std::string StepCaption(int step, int stepCount);

// One sentence that says what the step shows: who crosses in which
// direction, who has landed, or that everybody waits at the start or has
// crossed.
std::string StepSentence(const CPuzzle& puzzle, const CStepScene& scene);
