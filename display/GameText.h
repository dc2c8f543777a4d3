// What the crossing view's game says about the player's own crossing: the
// trips made, an arrangement met again, the hint, and the end.
#pragma once

#include "engine/ContinuationTable.h"

#include <string>

// The counter of the game: "渡った回数 23　往復回数 11.5", the round trips
// as the dialog writes them, two steps a trip.
std::string TripCounterText(int trips);

// "この並びは前にもありました": the same travellers across, with the boat on
// the same side, earlier in the same game.
std::string MetBeforeSentence();

// The hint from a shortest continuation: how many trips remain at best, and
// who takes the boat next ("…。次は Ovrin と Nolby が舟に乗ります"); or that
// everybody is across, or that there is no way through from here.
std::string HintSentence(const CContinuation& continuation);

// The end of a game of trips, compared with the shortest number:
// "23 回で渡りきりました。最短の 23 回と同じです", or "…最短の 23 回より
// 2 回多いです".
std::string FinishedSentence(int trips, int shortest);
