#include "StepText.h"

#include "texts/CountText.h"
#include "texts/DisplayText.h"

namespace {

// Two travellers read "Ovrin と Nolby".
std::string Names(const CPuzzle& puzzle, TravellerSet travellers)
{
    return NamesOf(puzzle, travellers, " と ");
}

} // namespace

const char* BoatText()
{
    return "舟";
}

std::string MeasuresText(const CPuzzle& puzzle, int traveller)
{
    std::string text;
    if (puzzle.HasLoad() && puzzle.IsTraveller(traveller))
        text = "重さ " + std::to_string(puzzle.WeightOf(TravellerBit(traveller)));
    if (puzzle.HasTimes() && puzzle.IsTraveller(traveller))
        text += (text.empty() ? "" : "・") + TimeText(puzzle.TimeOf(TravellerBit(traveller)), puzzle.m_timeUnit);
    return text;
}

std::string BoatLoadText(const CPuzzle& puzzle, TravellerSet aboard)
{
    if (!puzzle.HasLoad())
        return "";
    return "重さ " + std::to_string(puzzle.WeightOf(aboard)) + " / " + std::to_string(puzzle.m_load);
}

std::string StepCaption(int step, int stepCount)
{
    return "手順 " + StepNumberText(step) + " / " + std::to_string(stepCount);
}

std::string CrossingSentence(const CPuzzle& puzzle, TravellerSet aboard, int direction)
{
    if (direction == PLACE_GOING)
        return Names(puzzle, aboard) + " が" + BoatText() + "で" + puzzle.BankName(PLACE_ARRIVED) + "へ渡ります。";
    return Names(puzzle, aboard) + " が" + BoatText() + "で" + puzzle.BankName(PLACE_START) + "へ戻ります。";
}

std::string LandedSentence(const CPuzzle& puzzle, TravellerSet landed, int bank)
{
    return Names(puzzle, landed) + " が" + puzzle.BankName(bank) + "に着きました。";
}

std::string AllAcrossSentence(const CPuzzle& puzzle, TravellerSet landed)
{
    const std::string arrived =
        landed != 0 ? Names(puzzle, landed) + " が" + puzzle.BankName(PLACE_ARRIVED) + "に着き、" : "";
    return arrived + "全員が渡りきりました。";
}

std::string AllAtStartSentence(const CPuzzle& puzzle)
{
    const std::string& start = puzzle.BankName(PLACE_START);
    return "全員が" + start + "にいます。" + BoatText() + "も" + start + "にあります。";
}

std::string BoatAtSentence(const CPuzzle& puzzle, int bank)
{
    return BoatText() + std::string("は") + puzzle.BankName(bank) + "にあります。";
}
