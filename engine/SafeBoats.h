// The candidates of a boarding, and the safe ones for every set of travellers
// on the side the boat leaves, worked out when compiling from the safety
// rules. The search takes its candidates from here, and so does the shortest
// continuation.
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

// For every set of travellers on the side a trip leaves, the safe boats of the
// boarding in the order in which the step tries them: the boats of every set
// one after the other in SAFE_BOATS, and where each set's part starts in
// FIRST_SAFE_BOAT (its end is where the next set's starts). A boat is safe
// when it has an operator, and it and the travellers it leaves behind are
// safe groups; the third group, the other side, is the same for every
// candidate of a boarding. Both are worked out when compiling, once, in
// SafeTables.cpp.
extern const std::array<std::uint16_t, TRAVELLER_SET_COUNT + 1> FIRST_SAFE_BOAT;
extern const std::uint16_t* const SAFE_BOATS;
