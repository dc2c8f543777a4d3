// Sets of travellers, for a puzzle of any size up to 32 travellers: bit t
// stands for traveller t.
#pragma once

#include <cstdint>
#include <initializer_list>

using TravellerSet = std::uint32_t;

inline constexpr TravellerSet TravellerBit(int traveller)
{
    return TravellerSet{1} << traveller;
}

// The set of the travellers listed: TravellersOf({0, 9}).
constexpr TravellerSet TravellersOf(std::initializer_list<int> travellers)
{
    TravellerSet set = 0;
    for (int traveller : travellers)
        set |= TravellerBit(traveller);
    return set;
}
