// The keys of a puzzle file, stated once for its reader and its writer: the
// keys at the top and of a traveller, and how each kind of rule is written.
#pragma once

#include "core/Rules.h"

#include <cstddef>
#include <span>
#include <string_view>

inline constexpr std::string_view TOP_KEYS[] = {"title",      "banks",     "seats",     "landings", "load",
                                                "time_limit", "time_unit", "traveller", "rule"};
inline constexpr std::string_view TRAVELLER_KEYS[] = {"name", "rows", "weight", "time", "type", "look"};

// The longest look, in bytes of UTF-8.
inline constexpr std::size_t MAX_LOOK_BYTES = 16;

// The words of a rule's "where", in the order of RulePlace.
inline constexpr std::string_view WHERE_WORDS[] = {"everywhere", "banks", "boat"};

// A key of a rule that names travellers, and the set of the rule it fills.
struct CSetKey {
    std::string_view m_key;
    bool m_required; // and names somebody
    TravellerSet CSafetyRule::*m_member;
};

// How a file states a kind of rule: its name, whom it is about when it is
// about somebody (who), and the keys that name the travellers it names
// besides, in the order they are written.
struct CKindFormat {
    RuleKind m_kind;
    std::string_view m_name;
    bool m_hasWho;
    std::span<const CSetKey> m_sets;
};

// The kinds a file states, in the order the reader lists them; the rowers'
// rule is not one of them (rows = true states it).
std::span<const CKindFormat> KindFormats();

// The format of a kind, or null for the rowers' rule.
const CKindFormat* KindFormatOf(RuleKind kind);
// The format named so in a file, or null.
const CKindFormat* KindFormatNamed(std::string_view name);
