// The kinds of rule of every crossing puzzle of the family, and their one
// meaning, BreaksRule: the built-in puzzle's rules and a puzzle file's are
// judged by the same function.
#pragma once

#include "Places.h"
#include "TravellerSet.h"

#include <bit>
#include <cstdint>

// The shapes a rule takes.
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

// Where a rule that judges a place holds: at all three places, on the two
// banks only, or in the boat only while it crosses.
enum class RulePlace : std::uint8_t { EVERYWHERE, BANKS, BOAT };

// The subject of a rule that has none (the operator rule).
inline constexpr int NO_SUBJECT = -1;

// One rule. A plain record, so that rules can be judged while compiling.
struct CSafetyRule {
    RuleKind m_kind;
    int m_subject;         // the traveller the rule is about, or NO_SUBJECT
    TravellerSet m_guards; // whose presence lifts the rule
    // Those kept away from the subject, of whom one must be there, or who
    // may not be outnumbered.
    TravellerSet m_others;
    TravellerSet m_rivals = 0; // OUTNUMBERED: those who may not outnumber the others
    RulePlace m_where = RulePlace::EVERYWHERE;

    constexpr bool operator==(const CSafetyRule&) const = default;
};

// Rules are numbered from 1 in the order in which they are tested; 0 stands
// for none.
inline constexpr int RULE_NONE = 0;

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

// Whether a rule that judges a place holds at place: a bank (PLACE_START or
// PLACE_ARRIVED) or the boat (PLACE_GOING or PLACE_RETURNING).
constexpr bool HoldsAt(const CSafetyRule& rule, int place)
{
    const bool boat = place == PLACE_GOING || place == PLACE_RETURNING;
    return rule.m_where == RulePlace::EVERYWHERE || (rule.m_where == RulePlace::BOAT) == boat;
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
