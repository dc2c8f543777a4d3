// The one order of judging an arrangement by numbered rules, for the
// built-in puzzle and for any other.
#pragma once

#include "Places.h"
#include "Rules.h"

// The first rule an arrangement breaks, and whom it concerns.
struct CRuleBreach {
    int m_rule = RULE_NONE;       // from 1, or RULE_NONE
    TravellerSet m_concerned = 0; // ConcernedBy the rule, at the place that breaks it
};

// The first of rules 1 to ruleCount, rule n being ruleAt(n), that the
// arrangement with these groups breaks: the rules tested in their order,
// each on every place before the next one (the operator rule on those
// aboard, in either direction; the others on each place in turn where they
// hold, the group aboard being a place of its own).
template <typename RuleAt> CRuleBreach FirstBrokenRuleOf(int ruleCount, RuleAt&& ruleAt, const PlaceGroups& groups)
{
    const TravellerSet aboard = groups[PLACE_GOING] | groups[PLACE_RETURNING];
    for (int rule = 1; rule <= ruleCount; ++rule) {
        const CSafetyRule safetyRule = ruleAt(rule);
        if (JudgesAboard(safetyRule)) {
            if (BreaksRule(safetyRule, aboard))
                return {rule, ConcernedBy(safetyRule, aboard)};
            continue;
        }
        for (int place = 0; place < PLACE_COUNT; ++place) {
            const TravellerSet group = groups[static_cast<std::size_t>(place)];
            if (HoldsAt(safetyRule, place) && BreaksRule(safetyRule, group))
                return {rule, ConcernedBy(safetyRule, group)};
        }
    }
    return {};
}
