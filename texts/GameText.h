// What the crossing view's game says about the player's own crossing of any
// puzzle: the trips made, an arrangement met again, the hint, and how to
// start. Its end is FinishedSentence (RuleText.h), as --check says it.
#pragma once

#include "puzzle/PuzzleSolver.h"

#include <cstdint>
#include <string>

// The counter of the game: "渡った回数 23　往復回数 11.5", the round trips
// as the dialog writes them, two steps a trip.
std::string TripCounterText(int trips);

// "この並びは前にもありました。": the same travellers across, with the boat
// on the same side, earlier in the same game.
std::string MetBeforeSentence();

// The hint from a shortest continuation: how many trips remain at best, and
// who takes the boat next ("…。次は Ovrin と Nolby が舟に乗ります。"); or
// that everybody is across, or that there is no way through from here.
// In a puzzle with times, the least time still needed instead, and whether
// it fits in the time limit.
std::string HintSentence(const CPuzzle& puzzle, const CContinuation& continuation, bool fits);

// The time counter of a puzzle with times: "経過 7 分", with "（制限 15 分）"
// where it has a time limit.
std::string TimeCounterText(const CPuzzle& puzzle, std::int64_t elapsed);

// What to do at the start of a game, given the name of the control that
// makes the trip: "舟に乗る人をひとりかふたり選んで、「渡る」を押してください。"
// for a boat of two.
std::string StartSentence(const CPuzzle& puzzle, const std::string& crossControl);
