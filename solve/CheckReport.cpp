#include "CheckReport.h"

#include "JsonTexts.h"
#include "texts/CheckText.h"
#include "texts/DisplayText.h"
#include "texts/RuleText.h"

namespace {

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

Json RefusalOf(const CPuzzle& puzzle, const CTripCheck& check)
{
    if (check.m_outcome != CheckOutcome::REFUSED)
        return nullptr;
    const CPuzzleVerdict& verdict = check.m_verdict;
    Json refused = TripJson(puzzle, check.m_refused.m_number, check.m_refused.m_travellers);
    refused["line"] = check.m_refused.m_line;
    refused["reason"] = ReasonName(verdict.m_answer);
    refused["rule"] = verdict.m_answer == TripAnswer::RULE_BROKEN ? Json(verdict.m_rule) : Json(nullptr);
    refused["on_arrival"] = verdict.m_onArrival;
    refused["concerned"] = NamesJson(puzzle, verdict.m_concerned);
    refused["sentence"] = VerdictSentence(puzzle, verdict);
    return refused;
}

Json TripsOrNull(int trips)
{
    return trips == NO_CONTINUATION ? Json(nullptr) : Json(trips);
}

} // namespace

std::string CheckResultText(const CPuzzle& puzzle, const CTripCheck& check)
{
    switch (check.m_outcome) {
    case CheckOutcome::ACROSS:
        return FinishedSentence(check.m_trips, check.m_shortest);
    case CheckOutcome::NOT_ACROSS:
        return NotAcrossSentence(check.m_trips) + RemainingTripsSentence(check.m_remaining);
    case CheckOutcome::REFUSED: {
        const CPuzzleVerdict& verdict = check.m_verdict;
        return RefusedTripText(check.m_refused.m_number, check.m_refused.m_line) +
               RefusalReasonSentence(verdict.m_answer == TripAnswer::RULE_BROKEN, verdict.m_rule) +
               VerdictSentence(puzzle, verdict);
    }
    case CheckOutcome::UNREADABLE:
    case CheckOutcome::READ_FAILED:
        break;
    }
    return "";
}

void WriteCheckReport(std::ostream& out, const CPuzzle& puzzle, const CTripCheck& check)
{
    out << CheckResultText(puzzle, check) << '\n';
}

void WriteCheckJson(std::ostream& out, const CPuzzle& puzzle, const CTripCheck& check)
{
    Json result;
    result["across"] = check.m_outcome == CheckOutcome::ACROSS;
    result["accepted"] = check.m_trips;
    result["shortest"] = TripsOrNull(check.m_shortest);
    result["remaining"] = TripsOrNull(check.m_remaining);
    result["refused"] = RefusalOf(puzzle, check);
    result["message"] = CheckResultText(puzzle, check);
    out << result.dump() << '\n';
}
