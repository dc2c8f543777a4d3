// The tables that the safety rules give, worked out once, when compiling this
// file: which groups are safe, and the safe boats of every boarding.
#include "SafeBoats.h"
#include "SafetyRules.h"

namespace {

constexpr std::array<bool, TRAVELLER_SET_COUNT> SAFE_GROUP_TABLE = [] {
    std::array<bool, TRAVELLER_SET_COUNT> safe{};
    for (TravellerSet group = 0; group < TRAVELLER_SET_COUNT; ++group)
        safe[group] = IsSafeGroup(group);
    return safe;
}();

constexpr bool IsSafeBoarding(TravellerSet leaving, TravellerSet boat)
{
    return (leaving & boat) == boat && IsOperated(boat) && SAFE_GROUP_TABLE[boat] && SAFE_GROUP_TABLE[leaving & ~boat];
}

constexpr std::array<std::uint16_t, TRAVELLER_SET_COUNT + 1> FIRST_SAFE_BOAT_TABLE = [] {
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

constexpr int SAFE_BOARDING_TOTAL = FIRST_SAFE_BOAT_TABLE[TRAVELLER_SET_COUNT];

constexpr std::array<std::uint16_t, SAFE_BOARDING_TOTAL> SAFE_BOAT_TABLE = [] {
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

} // namespace

// Constant-initialised: ready before any code runs, whatever the order of
// static initialisation.
constinit const std::array<bool, TRAVELLER_SET_COUNT> SAFE_GROUPS = SAFE_GROUP_TABLE;
constinit const std::array<std::uint16_t, TRAVELLER_SET_COUNT + 1> FIRST_SAFE_BOAT = FIRST_SAFE_BOAT_TABLE;
constinit const std::uint16_t* const SAFE_BOATS = SAFE_BOAT_TABLE.data();
