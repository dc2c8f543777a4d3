// The sentences that explain a trip: each safety rule, each refusal of a trip,
// and how many trips remain at best. The game and torvaly-solve --check show
// the same sentences. Each names the travellers it speaks of.
#pragma once

#include "engine/TripJudge.h"

#include <string>

// Rule number rule, 1 to SAFETY_RULE_COUNT, as one sentence that names the
// travellers of the rule: "Quen は Pellam か Tovic と一緒でなければなりません".
// "" for anything else.
std::string RuleSentence(int rule);

// Why a trip was refused, naming the travellers the verdict concerns: the
// rule's sentence, and for a rule that wants its subject alone the company it
// had; those not on the boat's side; or what was wrong with the number chosen.
// "" for an accepted trip.
std::string VerdictSentence(const CTripVerdict& verdict);

// What a shortest continuation says: "あと n 回で渡りきれます" for n trips,
// "全員が渡りきりました" for none, "ここからは渡りきれません" for
// NO_CONTINUATION.
std::string RemainingTripsSentence(int trips);

// The end of a crossing that brought everybody across in trips, compared with
// the shortest: "23 回で全員が渡りきりました。最短の 23 回です", or
// "25 回で全員が渡りきりました。最短は 23 回です".
std::string AcrossSentence(int trips, int shortest);
