#include "CheckText.h"

#include "CountText.h"

std::string NotAcrossSentence(int trips)
{
    if (trips == 0)
        return "渡りがひとつもありません。";
    return TripsText(trips) + "の渡りはどれもできますが、まだ全員は渡っていません。";
}

std::string RefusedTripText(int number, int line)
{
    return std::to_string(number) + " 回目の渡り（" + std::to_string(line) + " 行目）は";
}

std::string RefusalReasonSentence(bool ruleBroken, int rule)
{
    return ruleBroken ? "規則 " + std::to_string(rule) + " に反します。" : std::string("できません。");
}
