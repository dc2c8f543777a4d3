// The sentences that explain a trip of any puzzle: each rule, each refusal of
// a trip, how many trips remain at best, and the end of a crossing. The game
// and torvaly-solve --check show the same sentences, each naming the
// travellers it speaks of by the puzzle's names.
//
// Every sentence of display/ ends in 。, so that sentences follow one another
// as they are; names, places, captions and counters do not.
#pragma once

#include "puzzle/PuzzleJudge.h"

#include <string>

// Rule number rule of puzzle, 1 to its RuleCount(), as one sentence that
// names the travellers of the rule: "Quen は Pellam か Tovic と一緒でなければ
// なりません。". "" for anything else.
std::string RuleSentence(const CPuzzle& puzzle, int rule);

// Why a trip was refused, naming the travellers the verdict concerns: the
// rule's sentence, for a rule that wants its subject alone with the company
// it had, and for a rule broken on landing with the bank where it breaks;
// those not on the boat's side; or what was wrong with the number chosen.
// "" for an accepted trip.
std::string VerdictSentence(const CPuzzle& puzzle, const CPuzzleVerdict& verdict);

// What a shortest continuation says: "あと n 回で渡りきれます。" for n trips,
// "全員が渡りきりました。" for none, "ここからは渡りきれません。" for
// NO_CONTINUATION.
std::string RemainingTripsSentence(int trips);

// The end of a crossing that brought everybody across in trips, compared
// with the shortest: "23 回で渡りきりました。最短の 23 回と同じです。", or
// "25 回で渡りきりました。最短の 23 回より 2 回多いです。".
std::string FinishedSentence(int trips, int shortest);
