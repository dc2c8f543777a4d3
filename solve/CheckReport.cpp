#include "CheckReport.h"

#include "display/DisplayText.h"
#include "display/RuleText.h"
#include "engine/ContinuationTable.h"

#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

Json NamesOf(TravellerSet travellers)
{
    Json names = Json::array();
    for (int traveller = 0; traveller < TRAVELLER_COUNT; ++traveller) {
        if ((travellers & TravellerBit(traveller)) != 0)
            names.push_back(TravellerName(traveller));
    }
    return names;
}

const char* ReasonName(TripAnswer answer)
{
    switch (answer) {
    case TripAnswer::ACCEPTED:
        break;
    case TripAnswer::NOBODY_CHOSEN:
        return "nobody_chosen";
    case TripAnswer::TOO_MANY_CHOSEN:
        return "too_many_chosen";
    case TripAnswer::NOT_ON_BOAT_SIDE:
        return "not_on_boat_side";
    case TripAnswer::RULE_BROKEN:
        return "rule_broken";
    }
    return "";
}

Json RefusalOf(const CTripCheck& check)
{
    if (check.m_outcome != CheckOutcome::REFUSED)
        return nullptr;
    const CTripVerdict& verdict = check.m_verdict;
    Json refused;
    refused["trip"] = check.m_refused.m_number;
    refused["line"] = check.m_refused.m_line;
    refused["direction"] = PlaceText(BoardingAction(check.m_boatSide));
    refused["travellers"] = NamesOf(check.m_refused.m_travellers);
    refused["reason"] = ReasonName(verdict.m_answer);
    refused["rule"] = verdict.m_answer == TripAnswer::RULE_BROKEN ? Json(verdict.m_rule) : Json(nullptr);
    refused["concerned"] = NamesOf(verdict.m_concerned);
    refused["sentence"] = VerdictSentence(verdict);
    return refused;
}

} // namespace

std::string CheckResultText(const CTripCheck& check)
{
    switch (check.m_outcome) {
    case CheckOutcome::ACROSS:
        return AcrossSentence(check.m_trips, check.m_shortest);
    case CheckOutcome::NOT_ACROSS:
        return (check.m_trips == 0
                    ? std::string("渡りがひとつもありません。")
                    : std::to_string(check.m_trips) + " 回の渡りはどれもできますが、まだ全員は渡っていません。") +
               RemainingTripsSentence(check.m_remaining);
    case CheckOutcome::REFUSED: {
        const CTripVerdict& verdict = check.m_verdict;
        const std::string trip = std::to_string(check.m_refused.m_number) + " 回目の渡り（" +
                                 std::to_string(check.m_refused.m_line) + " 行目）は";
        const std::string why = verdict.m_answer == TripAnswer::RULE_BROKEN
                                    ? "規則 " + std::to_string(verdict.m_rule) + " に反します。"
                                    : std::string("できません。");
        return trip + why + VerdictSentence(verdict);
    }
    case CheckOutcome::UNREADABLE:
    case CheckOutcome::READ_FAILED:
        break;
    }
    return "";
}

void WriteCheckReport(std::ostream& out, const CTripCheck& check)
{
    out << CheckResultText(check) << '\n';
}

void WriteCheckJson(std::ostream& out, const CTripCheck& check)
{
    Json result;
    result["across"] = check.m_outcome == CheckOutcome::ACROSS;
    result["accepted"] = check.m_trips;
    result["shortest"] = check.m_shortest;
    result["remaining"] = check.m_remaining == NO_CONTINUATION ? Json(nullptr) : Json(check.m_remaining);
    result["refused"] = RefusalOf(check);
    result["message"] = CheckResultText(check);
    out << result.dump() << '\n';
}
