// The built-in puzzle's nine safety rules, each stated once, as data, in
// the kinds of rule that every puzzle of the family has (core/Rules.h), and
// what the search's tables are worked out from: which groups are safe, and
// whether the travellers aboard have an operator.
#pragma once

#include "Travellers.h"
#include "core/Rules.h"

#include <array>

inline constexpr int SAFETY_RULE_COUNT = 9;

inline constexpr std::array<CSafetyRule, SAFETY_RULE_COUNT> SAFETY_RULES = {{
    // 1. A trip needs one of the five operators aboard.
    {RuleKind::OPERATOR, NO_SUBJECT, 0, OPERATORS},
    // 2. and 3. Travellers 0 and 1 each guard against one of 9 and 10.
    {RuleKind::APART_UNLESS_GUARDED, 0, TravellersOf({1}), TravellersOf({9})},
    {RuleKind::APART_UNLESS_GUARDED, 1, TravellersOf({0}), TravellersOf({10})},
    // 4. Traveller 3 without 0 or 1 must keep away from 9, 10 and 11.
    {RuleKind::APART_UNLESS_GUARDED, 3, TravellersOf({0, 1}), TravellersOf({9, 10, 11})},
    // 5. Traveller 4 stays with 3 or with 7.
    {RuleKind::WITH_ONE_OF, 4, 0, TravellersOf({3, 7})},
    // 6. Traveller 7 without 3 or 4 must be alone.
    {RuleKind::ALONE_UNLESS_GUARDED, 7, TravellersOf({3, 4}), 0},
    // 7. Traveller 6 without 2 must be alone.
    {RuleKind::ALONE_UNLESS_GUARDED, 6, TravellersOf({2}), 0},
    // 8. and 9. Travellers 9 and 10 without 0 or 1 must keep away from 11.
    {RuleKind::APART_UNLESS_GUARDED, 9, TravellersOf({0, 1}), TravellersOf({11})},
    {RuleKind::APART_UNLESS_GUARDED, 10, TravellersOf({0, 1}), TravellersOf({11})},
}};

// Rule number rule, 1 to SAFETY_RULE_COUNT.
constexpr const CSafetyRule& SafetyRule(int rule)
{
    return SAFETY_RULES[static_cast<std::size_t>(rule - 1)];
}

// The one rule that judges the travellers aboard.
inline constexpr int OPERATOR_RULE = 1;

static_assert(
    [] {
        int aboardRules = 0;
        for (const CSafetyRule& rule : SAFETY_RULES)
            aboardRules += JudgesAboard(rule) ? 1 : 0;
        return aboardRules == 1 && JudgesAboard(SafetyRule(OPERATOR_RULE));
    }(),
    "IsOperated judges the travellers aboard by the operator rule alone");

// Whether the travellers aboard, in either direction, keep the operator rule.
constexpr bool IsOperated(TravellerSet aboard)
{
    // A copy known while compiling, so that every call folds into a test or
    // two.
    constexpr CSafetyRule OPERATOR = SafetyRule(OPERATOR_RULE);
    return !BreaksRule(OPERATOR, aboard);
}

// Whether a group, alone at some place, keeps every rule that judges a place.
// Those rules are broken or kept inside one group, whatever the other places
// hold.
constexpr bool IsSafeGroup(TravellerSet group)
{
    for (const CSafetyRule& rule : SAFETY_RULES) {
        if (!JudgesAboard(rule) && BreaksRule(rule, group))
            return false;
    }
    return true;
}

// IsSafeGroup of every possible group, worked out once, when compiling, in
// SafeTables.cpp: a table this size, worked out in every file that includes
// this one, would cost each of them a second of compiling.
extern const std::array<bool, TRAVELLER_SET_COUNT> SAFE_GROUPS;
