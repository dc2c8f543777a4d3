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
    case TripAnswer::TOO_HEAVY:
        return "too_heavy";
    case TripAnswer::RULE_BROKEN:
        return "rule_broken";
    case TripAnswer::OVER_TIME:
        return "over_time";
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
    if (verdict.m_answer == TripAnswer::TOO_HEAVY) {
        refused["weight"] = verdict.m_weight;
        refused["load"] = puzzle.m_load;
    }
    if (verdict.m_answer == TripAnswer::OVER_TIME) {
        refused["time"] = verdict.m_time;
        refused["time_limit"] = puzzle.m_timeLimit;
    }
    refused["sentence"] = VerdictSentence(puzzle, verdict);
    return refused;
}

// Trips or a time, or null for NO_CONTINUATION.
Json MeasureOrNull(std::int64_t measure)
{
    return measure == NO_CONTINUATION ? Json(nullptr) : Json(measure);
}

} // namespace

std::string CheckResultText(const CPuzzle& puzzle, const CTripCheck& check)
{
    switch (check.m_outcome) {
    case CheckOutcome::ACROSS:
        if (puzzle.HasTimes())
            return FinishedTimeSentence(puzzle, check.m_trips, check.m_time, check.m_fastest);
        return FinishedSentence(check.m_trips, check.m_shortest);
    case CheckOutcome::NOT_ACROSS:
        if (puzzle.HasTimes())
            return NotAcrossSentence(check.m_trips) +
                   RemainingTimeSentence(puzzle, check.m_remainingTime, check.m_fits);
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
    // A puzzle with times has a fastest, not a shortest.
    result["shortest"] = puzzle.HasTimes() ? Json(nullptr) : MeasureOrNull(check.m_shortest);
    result["remaining"] = MeasureOrNull(check.m_remaining);
    if (puzzle.HasTimes()) {
        result["time"] = check.m_time;
        result["fastest"] = MeasureOrNull(check.m_fastest);
        result["remaining_time"] = MeasureOrNull(check.m_remainingTime);
    }
    result["refused"] = RefusalOf(puzzle, check);
    result["message"] = CheckResultText(puzzle, check);
    out << result.dump() << '\n';
}
