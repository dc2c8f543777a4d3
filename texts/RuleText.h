// The sentences that explain a trip of any puzzle: each rule, each refusal of
// a trip, how many trips remain at best, and the end of a crossing. The game
// and torvaly-solve --check show the same sentences, each naming the
// travellers it speaks of by the puzzle's names.
//
// Every sentence of display/ ends in 。, so that sentences follow one another
// as they are; names, places, captions and counters do not.
#pragma once

#include "puzzle/PuzzleJudge.h"

#include <cstdint>
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

// The boat's limits as sentences: "舟に乗れるのはふたりまでです。",
// "舟に乗れるのは重さ 100 までです。", "全員が渡りきるまでの時間は 15 分までです。".
std::string SeatsSentence(const CPuzzle& puzzle);
std::string LoadSentence(const CPuzzle& puzzle);
std::string TimeLimitSentence(const CPuzzle& puzzle);

// Who is alike by type: "宣教師A、宣教師B、宣教師C は「宣教師」で、だれが
// 乗っても同じです。"
std::string TypeSentence(const CPuzzle& puzzle, const std::string& type);

// What a shortest continuation says: "あと n 回で渡りきれます。" for n trips,
// "全員が渡りきりました。" for none, "ここからは渡りきれません。" for
// NO_CONTINUATION.
std::string RemainingTripsSentence(int trips);

// The end of a crossing that brought everybody across in trips, compared
// with the shortest: "23 回で渡りきりました。最短の 23 回と同じです。", or
// "25 回で渡りきりました。最短の 23 回より 2 回多いです。".
std::string FinishedSentence(int trips, int shortest);

// What a fastest continuation says in a puzzle with times: "あと最速 7 分で
// 渡りきれます。", with "…が、制限の 15 分には間に合いません。" when it does not
// fit in the time left; as RemainingTripsSentence for none and for
// NO_CONTINUATION.
std::string RemainingTimeSentence(const CPuzzle& puzzle, std::int64_t time, bool fits);

// The end of a crossing of a puzzle with times, compared with the fastest:
// "5 回・17 分で渡りきりました。最速の 17 分と同じです。", or "… 最速の 17 分
// より 2 分多いです。".
std::string FinishedTimeSentence(const CPuzzle& puzzle, int trips, std::int64_t time, std::int64_t fastest);
