// A crossing puzzle of the family as data: its travellers and which of them
// row, how many the boat seats and how much it carries, whether landings are
// judged, how long each crossing takes and the time there is, which
// travellers are alike, its rules, and the names its texts use. The built-in puzzle is one (BuiltInPuzzle.h); a
// file states any other (PuzzleReader.h). Every rule means what BreaksRule
// says, for this puzzle as for the built-in one.
#pragma once

#include "core/Places.h"
#include "core/Rules.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The limits of a puzzle.
inline constexpr int MAX_TRAVELLERS = 16;
inline constexpr int MAX_SEATS = 4;
// The longest title, in bytes of UTF-8.
inline constexpr std::size_t MAX_TITLE_BYTES = 100;
// Weights and crossing times are whole numbers from 1 to this.
inline constexpr std::int64_t MAX_MEASURE = 1000000;
// A load and a time limit are whole numbers from 1 to this.
inline constexpr std::int64_t MAX_LIMIT = 1000000000;
// The unit of time of a puzzle that names none.
inline constexpr const char* DEFAULT_TIME_UNIT = "分";
// Rule 1 is always the rowers' rule; the puzzle's own rules follow.
inline constexpr int ROWERS_RULE = 1;
inline constexpr int FIRST_STATED_RULE = 2;

// The start bank and the far bank of a puzzle that names no banks.
inline constexpr std::array<const char*, 2> DEFAULT_BANKS = {"日本", "米国"};
// The title of a puzzle whose file gives none and whose name leaves none.
inline constexpr const char* UNTITLED = "無題";

struct CPuzzle {
    std::string m_title;
    // The start bank and the far bank.
    std::array<std::string, 2> m_banks;
    // The travellers' names, in the order of the table's columns: traveller t
    // is bit t of a TravellerSet.
    std::vector<std::string> m_names;
    TravellerSet m_rowers = 0;
    int m_seats = 2;
    // Whether the arrangement after each landing is judged too, not only the
    // one with the boat crossing.
    bool m_landings = true;
    // The rules numbered from FIRST_STATED_RULE, in their order; none of them
    // is of the kind RuleKind::OPERATOR.
    std::vector<CSafetyRule> m_stated;
    // The most the boat carries, as a sum of the weights aboard; 0 for no
    // load, and then no weights. Otherwise every traveller has a weight.
    std::int64_t m_load = 0;
    std::vector<std::int64_t> m_weights;
    // How long a crossing takes with each traveller aboard: as long as the
    // slowest aboard. Empty, or one for every traveller.
    std::vector<std::int64_t> m_times;
    // The most time a whole crossing may take; 0 for no limit. Only with
    // times.
    std::int64_t m_timeLimit = 0;
    std::string m_timeUnit = DEFAULT_TIME_UNIT;
    // Each traveller's type, "" for none: travellers of one type are alike.
    std::vector<std::string> m_types;
    // What the picture draws for each traveller, "" for the usual figure.
    std::vector<std::string> m_looks;

    int TravellerCount() const { return static_cast<int>(m_names.size()); }
    TravellerSet Everybody() const { return TravellerBit(TravellerCount()) - 1; }
    bool IsTraveller(int traveller) const { return traveller >= 0 && traveller < TravellerCount(); }
    // "" for anybody else.
    const std::string& NameOf(int traveller) const;
    // The traveller of that name, or -1.
    int TravellerNamed(std::string_view name) const;
    // The bank at side PLACE_START or PLACE_ARRIVED.
    const std::string& BankName(int side) const;

    bool HasLoad() const { return m_load > 0; }
    bool HasTimes() const { return !m_times.empty(); }
    bool HasTypes() const;
    // The sum of the weights of travellers, 0 without a load.
    std::int64_t WeightOf(TravellerSet travellers) const;
    // How long a trip of travellers takes: the slowest one's time; 1 without
    // times, so that a crossing's length is its number of trips.
    std::int64_t TimeOf(TravellerSet travellers) const;
    // A traveller's type or look, "" for none.
    const std::string& TypeOf(int traveller) const;
    const std::string& LookOf(int traveller) const;

    // Rules 1 to RuleCount(): the rowers' rule, then the stated ones.
    int RuleCount() const { return FIRST_STATED_RULE + static_cast<int>(m_stated.size()) - 1; }
    bool IsRule(int rule) const { return rule >= ROWERS_RULE && rule <= RuleCount(); }
    // Rule number rule; rule 1 says that somebody aboard rows.
    CSafetyRule Rule(int rule) const;

    bool operator==(const CPuzzle&) const = default;
};
