// The twelve travellers of the puzzle and sets of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

inline constexpr int TRAVELLER_COUNT = 12;
// Travellers 0 to 4 can operate a trip; the others never travel alone.
inline constexpr int OPERATOR_COUNT = 5;

// A set of travellers, bit t standing for traveller t: for instance the group
// of those who share one place.
using TravellerSet = std::uint32_t;

inline constexpr TravellerSet TravellerBit(int traveller)
{
    return TravellerSet{1} << traveller;
}

inline constexpr TravellerSet OPERATORS = TravellerBit(OPERATOR_COUNT) - 1;
inline constexpr TravellerSet ALL_TRAVELLERS = TravellerBit(TRAVELLER_COUNT) - 1;
// The number of different sets of travellers.
inline constexpr std::size_t TRAVELLER_SET_COUNT = std::size_t{1} << TRAVELLER_COUNT;

// The set of the travellers listed: TravellersOf({0, 9}).
constexpr TravellerSet TravellersOf(std::initializer_list<int> travellers)
{
    TravellerSet set = 0;
    for (int traveller : travellers)
        set |= TravellerBit(traveller);
    return set;
}
