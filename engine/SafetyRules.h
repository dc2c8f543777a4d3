// The puzzle's nine safety rules, each stated once, as data, and everything
// that judges a group of travellers by them: the safety of an arrangement, the
// search's tables and the explanation of a refused trip all come from here.
// The kinds of rule and their one meaning, BreaksRule, serve every puzzle of
// the family: a puzzle read from a file is judged by the same function.
#pragma once

#include "Travellers.h"

#include <array>
#include <bit>
#include <cstdint>

// The four shapes a rule takes.
enum class RuleKind : std::uint8_t {
    // Whoever is aboard, in either direction, needs one of the others aboard.
    OPERATOR,
    // The subject may not be with any of the others unless one of the guards
    // is there too.
    APART_UNLESS_GUARDED,
    // The subject must be with one of the others.
    WITH_ONE_OF,
    // The subject must be alone unless one of the guards is there.
    ALONE_UNLESS_GUARDED,
    // Where any of the others is, the rivals may not be more than they.
    OUTNUMBERED,
};

// The subject of a rule that has none (the operator rule).
inline constexpr int NO_SUBJECT = -1;

// One rule. A plain record, so that the rules can be judged while compiling.
struct CSafetyRule {
    RuleKind m_kind;
    int m_subject;         // the traveller the rule is about, or NO_SUBJECT
    TravellerSet m_guards; // whose presence lifts the rule
    // Those kept away from the subject, of whom one must be there, or who
    // may not be outnumbered.
    TravellerSet m_others;
    TravellerSet m_rivals = 0; // OUTNUMBERED: those who may not outnumber the others

    constexpr bool operator==(const CSafetyRule&) const = default;
};

// Rules are numbered from 1 in the order in which they are tested; 0 stands
// for none.
inline constexpr int RULE_NONE = 0;
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

constexpr TravellerSet SubjectOf(const CSafetyRule& rule)
{
    return rule.m_subject == NO_SUBJECT ? 0 : TravellerBit(rule.m_subject);
}

// The operator rule judges the travellers aboard, both directions taken
// together; every other rule judges the travellers who share one place, the
// group aboard a trip being a place of its own.
constexpr bool JudgesAboard(const CSafetyRule& rule)
{
    return rule.m_kind == RuleKind::OPERATOR;
}

// Whether group breaks rule: the group aboard for the operator rule, the group
// at one place for the others.
constexpr bool BreaksRule(const CSafetyRule& rule, TravellerSet group)
{
    const TravellerSet subject = SubjectOf(rule);
    const bool subjectThere = (group & subject) != 0;
    const bool guarded = (group & rule.m_guards) != 0;
    switch (rule.m_kind) {
    case RuleKind::OPERATOR:
        return group != 0 && (group & rule.m_others) == 0;
    case RuleKind::APART_UNLESS_GUARDED:
        return subjectThere && !guarded && (group & rule.m_others) != 0;
    case RuleKind::WITH_ONE_OF:
        return subjectThere && (group & rule.m_others) == 0;
    case RuleKind::ALONE_UNLESS_GUARDED:
        return subjectThere && !guarded && (group & ~subject) != 0;
    case RuleKind::OUTNUMBERED:
        return (group & rule.m_others) != 0 &&
               std::popcount(group & rule.m_rivals) > std::popcount(group & rule.m_others);
    }
    return false;
}

// The travellers a rule names: its subject, its guards, its others and its
// rivals.
constexpr TravellerSet NamedBy(const CSafetyRule& rule)
{
    return SubjectOf(rule) | rule.m_guards | rule.m_others | rule.m_rivals;
}

// The travellers concerned when group breaks rule: those the rule names and,
// when the subject must be alone, the company it has.
constexpr TravellerSet ConcernedBy(const CSafetyRule& rule, TravellerSet group)
{
    const TravellerSet company = rule.m_kind == RuleKind::ALONE_UNLESS_GUARDED ? group & ~SubjectOf(rule) : 0;
    return NamedBy(rule) | company;
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
    // two: IsSafe runs this for every candidate of the search.
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
