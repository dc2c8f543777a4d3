#include "StepText.h"

#include "display/DisplayText.h"

const char* BoatText()
{
    return "舟";
}

std::string StepCaption(int step, int stepCount)
{
    return "手順 " + StepNumberText(step) + " / " + std::to_string(stepCount);
}

std::string StepSentence(const CPuzzle& puzzle, const CStepScene& scene)
{
    // Two travellers read "Ovrin と Nolby".
    const auto names = [&](TravellerSet travellers) { return NamesOf(puzzle, travellers, " と "); };
    const std::string& start = puzzle.BankName(PLACE_START);
    const std::string& far = puzzle.BankName(PLACE_ARRIVED);
    if (scene.m_boat == PLACE_GOING)
        return names(scene.m_aboard) + " が" + BoatText() + "で" + far + "へ渡ります。";
    if (scene.m_boat == PLACE_RETURNING)
        return names(scene.m_aboard) + " が" + BoatText() + "で" + start + "へ戻ります。";

    const std::string& bank = puzzle.BankName(scene.m_boat);
    if (scene.m_atStart == 0 && scene.m_aboard == 0) {
        const std::string landed = scene.m_landed != 0 ? names(scene.m_landed) + " が" + far + "に着き、" : "";
        return landed + "全員が渡りきりました。";
    }
    if (scene.m_landed != 0)
        return names(scene.m_landed) + " が" + bank + "に着きました。";
    if (scene.m_atFar == 0 && scene.m_aboard == 0)
        return "全員が" + start + "にいます。" + BoatText() + "も" + start + "にあります。";
    return BoatText() + std::string("は") + bank + "にあります。";
}
