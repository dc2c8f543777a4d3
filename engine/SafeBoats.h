// The safe boats of a boarding with nobody aboard yet, for every set of
// travellers on the side the boat leaves, worked out when compiling from the
// safety rules. The search takes its candidates from here, and so does the
// shortest continuation.
#pragma once

#include "SafetyRules.h"
#include "Travellers.h"

#include <array>
#include <cstddef>
#include <cstdint>

// How many candidates a boarding from a side holding the given number of
// travellers tries: every traveller alone, and every pair.
constexpr int CandidatesFrom(int travellers)
{
    return travellers * (travellers + 1) / 2;
}

// Every candidate of a boarding, as the boat's travellers, in the order in
// which the search tries them: every traveller i, alone and then with every
// later traveller j. The one enumeration of boats: every table below, the
// first trips and the shortest continuation follow it.
inline constexpr std::array<TravellerSet, CandidatesFrom(TRAVELLER_COUNT)> CANDIDATE_BOATS = [] {
    std::array<TravellerSet, CandidatesFrom(TRAVELLER_COUNT)> boats{};
    std::size_t next = 0;
    for (int i = 0; i < TRAVELLER_COUNT; ++i) {
        for (int j = i; j < TRAVELLER_COUNT; ++j)
            boats[next++] = TravellerBit(i) | TravellerBit(j);
    }
    return boats;
}();

// Whether a trip of boat, leaving its side with the travellers in leaving, is
// possible and safe when no other trip is under way: the boat needs an
// operator, and the boat and the travellers left behind must be safe groups.
// The third group, the other side, is the same for every candidate of a
// boarding.
constexpr bool IsSafeBoarding(TravellerSet leaving, TravellerSet boat)
{
    return (leaving & boat) == boat && IsOperated(boat) && SAFE_GROUPS[boat] && SAFE_GROUPS[leaving & ~boat];
}

// For every set of travellers on the side a trip leaves, the safe boats of the
// boarding in the order in which the step tries them: the boats of every set
// one after the other, and where each set's part starts.
inline constexpr std::array<std::uint16_t, TRAVELLER_SET_COUNT + 1> FIRST_SAFE_BOAT = [] {
    std::array<std::uint16_t, TRAVELLER_SET_COUNT + 1> first{};
    int next = 0;
    for (TravellerSet leaving = 0; leaving < TRAVELLER_SET_COUNT; ++leaving) {
        first[leaving] = static_cast<std::uint16_t>(next);
        for (const TravellerSet boat : CANDIDATE_BOATS)
            next += IsSafeBoarding(leaving, boat) ? 1 : 0;
    }
    first[TRAVELLER_SET_COUNT] = static_cast<std::uint16_t>(next);
    return first;
}();

inline constexpr int SAFE_BOARDING_TOTAL = FIRST_SAFE_BOAT[TRAVELLER_SET_COUNT];

// The boats themselves, as sets of travellers.
inline constexpr std::array<std::uint16_t, SAFE_BOARDING_TOTAL> SAFE_BOATS = [] {
    std::array<std::uint16_t, SAFE_BOARDING_TOTAL> boats{};
    int next = 0;
    for (TravellerSet leaving = 0; leaving < TRAVELLER_SET_COUNT; ++leaving) {
        for (const TravellerSet boat : CANDIDATE_BOATS) {
            if (IsSafeBoarding(leaving, boat))
                boats[next++] = static_cast<std::uint16_t>(boat);
        }
    }
    return boats;
}();
