#include "StepText.h"

#include "display/DisplayText.h"

namespace {

// Two travellers read "Ovrin と Nolby".
std::string NamesOf(TravellerSet travellers)
{
    return TravellerNames(travellers, " と ");
}

} // namespace

const char* BoatText()
{
    return "舟";
}

std::string StepCaption(int step, int stepCount)
{
    return "手順 " + StepNumberText(step) + " / " + std::to_string(stepCount);
}

std::string StepSentence(const CStepScene& scene)
{
    const std::string start = PlaceText(PLACE_START);
    const std::string far = PlaceText(PLACE_ARRIVED);
    if (scene.m_boat == PLACE_GOING)
        return NamesOf(scene.m_aboard) + " が" + BoatText() + "で" + far + "へ渡ります。";
    if (scene.m_boat == PLACE_RETURNING)
        return NamesOf(scene.m_aboard) + " が" + BoatText() + "で" + start + "へ戻ります。";

    const std::string bank = PlaceText(scene.m_boat);
    if (scene.m_atFar == ALL_TRAVELLERS) {
        const std::string landed = scene.m_landed != 0 ? NamesOf(scene.m_landed) + " が" + far + "に着き、" : "";
        return landed + "全員が渡りきりました。";
    }
    if (scene.m_landed != 0)
        return NamesOf(scene.m_landed) + " が" + bank + "に着きました。";
    if (scene.m_atStart == ALL_TRAVELLERS)
        return "全員が" + start + "にいます。" + BoatText() + "も" + start + "にあります。";
    return BoatText() + std::string("は") + bank + "にあります。";
}
