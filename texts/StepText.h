// The texts of one step of a crossing as the crossing view shows them: its
// caption and the sentences that say what happens, in a puzzle's names.
#pragma once

#include "puzzle/Puzzle.h"

#include <string>

// "舟": the boat, in sentences and as the name of what it holds.
const char* BoatText();

// What the picture writes under a traveller's name in a puzzle with weights
// or times: "重さ 90", "10 分" or "重さ 90・10 分"; "" with neither.
std::string MeasuresText(const CPuzzle& puzzle, int traveller);
// What the boat carries in a puzzle with a load, "重さ 60 / 100" for
// travellers aboard; "" without a load.
std::string BoatLoadText(const CPuzzle& puzzle, TravellerSet aboard);

// "手順 k / N" for step (0-based) of stepCount steps.
std::string StepCaption(int step, int stepCount);

// "Ovrin と Nolby が舟で米国へ渡ります。" for travellers aboard going
// (PLACE_GOING), "… が舟で日本へ戻ります。" coming back.
std::string CrossingSentence(const CPuzzle& puzzle, TravellerSet aboard, int direction);
// "Ovrin が米国に着きました。": travellers landed at a bank.
std::string LandedSentence(const CPuzzle& puzzle, TravellerSet landed, int bank);
// "Dastel と Hesk が米国に着き、全員が渡りきりました。", or without anybody
// landed, "全員が渡りきりました。".
std::string AllAcrossSentence(const CPuzzle& puzzle, TravellerSet landed);
// "全員が日本にいます。舟も日本にあります。"
std::string AllAtStartSentence(const CPuzzle& puzzle);
// "舟は米国にあります。"
std::string BoatAtSentence(const CPuzzle& puzzle, int bank);
