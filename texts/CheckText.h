// What torvaly-solve --check says of a list of trips that was read: the
// parts of its one line, around the sentences of RuleText.h.
#pragma once

#include <string>

// "渡りがひとつもありません。" for no trips; "3 回の渡りはどれもできますが、
// まだ全員は渡っていません。" for trips that leave somebody behind.
std::string NotAcrossSentence(int trips);

// The refused trip, number (from 1) on line (from 1): "3 回目の渡り（3 行目）は".
std::string RefusedTripText(int number, int line);

// Why it is refused: "規則 5 に反します。" for a rule broken, "できません。"
// for any other reason (ruleBroken false).
std::string RefusalReasonSentence(bool ruleBroken, int rule);
