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

// A boat of one traveller or two, packed as first | second << 8 (first ==
// second for one traveller).
using PackedBoat = std::uint16_t;

constexpr int FirstOf(PackedBoat boat)
{
    return boat & 0xFF;
}

constexpr int SecondOf(PackedBoat boat)
{
    return boat >> 8;
}

// Whether a trip of travellers first and second (the same for one traveller),
// leaving its side with the travellers in leaving, is possible and safe when
// no other trip is under way: the boat needs an operator, and the boat and the
// travellers left behind must be safe groups. The third group,
// the other side, is the same for every candidate of a boarding.
constexpr bool IsSafeBoarding(TravellerSet leaving, int first, int second)
{
    const TravellerSet boat = TravellerBit(first) | TravellerBit(second);
    return (leaving & boat) == boat && IsOperated(boat) && SAFE_GROUPS[boat] && SAFE_GROUPS[leaving & ~boat];
}

// Calls visit(i, j) for every candidate of a boarding in the order in which
// the step tries them: every traveller i, alone (j == i) and with every later
// traveller j.
template <typename Visit> constexpr void ForEachCandidatePair(Visit visit)
{
    for (int i = 0; i < TRAVELLER_COUNT; ++i) {
        for (int j = i; j < TRAVELLER_COUNT; ++j)
            visit(i, j);
    }
}

// For every set of travellers on the side a trip leaves, the safe boats of the
// boarding in the order in which the step tries them: the boats of every set
// one after the other, and where each set's part starts.
inline constexpr std::array<std::uint16_t, TRAVELLER_SET_COUNT + 1> FIRST_SAFE_BOAT = [] {
    std::array<std::uint16_t, TRAVELLER_SET_COUNT + 1> first{};
    int next = 0;
    for (TravellerSet leaving = 0; leaving < TRAVELLER_SET_COUNT; ++leaving) {
        first[leaving] = static_cast<std::uint16_t>(next);
        ForEachCandidatePair([&](int i, int j) {
            if (IsSafeBoarding(leaving, i, j))
                ++next;
        });
    }
    first[TRAVELLER_SET_COUNT] = static_cast<std::uint16_t>(next);
    return first;
}();

inline constexpr int SAFE_BOARDING_TOTAL = FIRST_SAFE_BOAT[TRAVELLER_SET_COUNT];

inline constexpr std::array<PackedBoat, SAFE_BOARDING_TOTAL> SAFE_BOATS = [] {
    std::array<PackedBoat, SAFE_BOARDING_TOTAL> boats{};
    int next = 0;
    for (TravellerSet leaving = 0; leaving < TRAVELLER_SET_COUNT; ++leaving) {
        ForEachCandidatePair([&](int i, int j) {
            if (IsSafeBoarding(leaving, i, j))
                boats[next++] = static_cast<PackedBoat>(i | j << 8);
        });
    }
    return boats;
}();

// The travellers of a boat.
constexpr TravellerSet TravellersIn(PackedBoat boat)
{
    return TravellerBit(FirstOf(boat)) | TravellerBit(SecondOf(boat));
}
