// One arrangement of the crossing puzzle: where each of the twelve travellers is.
#pragma once

#include "SafetyRules.h"
#include "Travellers.h"
#include "core/Places.h"
#include "platform/Types.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

class CCrossingState {
public:
    CCrossingState();
    CCrossingState(const CCrossingState&) = default;
    CCrossingState& operator=(const CCrossingState& other);
    virtual ~CCrossingState() = default;

    // Puts a traveller aboard: PLACE_GOING from the start side, PLACE_RETURNING
    // from the far side. Refuses (0, nothing changed) any other move.
    BOOL Board(int traveller, int action);

    // Ends the trip in progress: outbound travellers arrive, returning ones are
    // back at the start side.
    void Land();

    // The puzzle's safety rules, for an arrangement with a trip just boarded.
    // The search no longer calls it: it takes its safe boats from SafeBoats.h.
    BOOL IsSafe() const;

    // Neither is called by the search, which compares and counts codes.
    int CountAt(int place) const;
    BOOL Equals(const CCrossingState& other) const;
    int GetPlace(int traveller) const;

private:
    static bool IsTraveller(int traveller) { return traveller >= 0 && traveller < TRAVELLER_COUNT; }

    std::int32_t m_place[TRAVELLER_COUNT];
};

// The operations below are small enough to inline where they are called. The
// search itself no longer calls them: it moves arrangements as codes
// (CCrossingPath), and builds an arrangement only when a step is read.

inline CCrossingState& CCrossingState::operator=(const CCrossingState& other)
{
    // Place by place: the compiler's own copy of the array goes through
    // memmove, since it cannot rule out overlap, while this loop becomes a few
    // wide moves.
    for (int t = 0; t < TRAVELLER_COUNT; ++t)
        m_place[t] = other.m_place[t];
    return *this;
}

inline BOOL CCrossingState::Board(int traveller, int action)
{
    if (!IsTraveller(traveller))
        return FALSE;
    const bool allowed = (action == PLACE_GOING && m_place[traveller] == PLACE_START) ||
                         (action == PLACE_RETURNING && m_place[traveller] == PLACE_ARRIVED);
    if (!allowed)
        return FALSE;
    m_place[traveller] = action;
    return TRUE;
}

inline void CCrossingState::Land()
{
    // The places follow one another round a cycle: PLACE_START, PLACE_GOING,
    // PLACE_ARRIVED, PLACE_RETURNING and PLACE_START again, and landing moves
    // everybody aboard one place on. Those aboard are at the odd places, so
    // adding place & 1 moves exactly them. Written as arithmetic on every
    // place, the twelve are treated at once.
    for (std::int32_t& place : m_place)
        place = static_cast<std::int32_t>(static_cast<std::uint32_t>(place + (place & 1)) % PLACE_COUNT);
}

inline int CCrossingState::GetPlace(int traveller) const
{
    return IsTraveller(traveller) ? m_place[traveller] : PLACE_UNKNOWN;
}

// An arrangement packed into one number, made of two sets of travellers:
// those aboard (PLACE_GOING or PLACE_RETURNING) in the low twelve bits, and
// those across (PLACE_ARRIVED or PLACE_RETURNING) in the twelve bits above.
// The start side is in neither set and the far side in "across" only, so equal
// codes mean equal arrangements, and boarding and landing are set operations.
using ArrangementCode = std::uint32_t;

constexpr TravellerSet AboardIn(ArrangementCode code)
{
    return code & ALL_TRAVELLERS;
}

constexpr TravellerSet AcrossIn(ArrangementCode code)
{
    return code >> TRAVELLER_COUNT;
}

constexpr ArrangementCode MakeCode(TravellerSet aboard, TravellerSet across)
{
    return aboard | across << TRAVELLER_COUNT;
}

constexpr TravellerSet AtStartSide(ArrangementCode code)
{
    return ALL_TRAVELLERS & ~(AboardIn(code) | AcrossIn(code));
}

constexpr TravellerSet AtFarSide(ArrangementCode code)
{
    return AcrossIn(code) & ~AboardIn(code);
}

// The number of travellers in every set, for counting without a popcount
// instruction.
inline constexpr std::array<std::uint8_t, TRAVELLER_SET_COUNT> TRAVELLER_COUNTS = [] {
    std::array<std::uint8_t, TRAVELLER_SET_COUNT> counts{};
    for (TravellerSet set = 0; set < TRAVELLER_SET_COUNT; ++set)
        counts[set] = static_cast<std::uint8_t>(std::popcount(set));
    return counts;
}();

inline ArrangementCode CodeOf(const CCrossingState& state)
{
    // Place bit 0 says aboard and place bit 1 across (see the PLACE_ values).
    TravellerSet aboard = 0;
    TravellerSet across = 0;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        const auto place = static_cast<TravellerSet>(state.GetPlace(t));
        aboard |= (place & 1) << t;
        across |= (place >> 1 & 1) << t;
    }
    return MakeCode(aboard, across);
}

// Where a traveller is in the arrangement with the given code: the place's bit
// 0 says aboard and bit 1 across, as in CodeOf.
constexpr int PlaceIn(ArrangementCode code, int traveller)
{
    return static_cast<int>((AboardIn(code) >> traveller & 1) | (AcrossIn(code) >> traveller & 1) << 1);
}

// The code of an arrangement once its trip has landed: whoever is aboard
// changes sides, and nobody stays aboard.
constexpr ArrangementCode LandedCode(ArrangementCode code)
{
    return MakeCode(0, AcrossIn(code) ^ AboardIn(code));
}

// The arrangement with the given code, built by the public moves: everybody
// across crosses first, then the trips in progress are boarded.
inline CCrossingState ArrangementOf(ArrangementCode code)
{
    CCrossingState state;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (AcrossIn(code) & TravellerBit(t))
            state.Board(t, PLACE_GOING);
    }
    state.Land();
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (AboardIn(code) & TravellerBit(t))
            state.Board(t, AcrossIn(code) & TravellerBit(t) ? PLACE_RETURNING : PLACE_GOING);
    }
    return state;
}

// The travellers at each place of an arrangement.
inline PlaceGroups GroupsOf(const CCrossingState& state)
{
    const ArrangementCode code = CodeOf(state);
    return GroupsOf(ALL_TRAVELLERS, AboardIn(code), AcrossIn(code));
}

inline BOOL CCrossingState::IsSafe() const
{
    const PlaceGroups groups = GroupsOf(*this);

    if (!IsOperated(groups[PLACE_GOING] | groups[PLACE_RETURNING]))
        return FALSE;

    // Every group, the one aboard included, keeps the rules of a place.
    for (TravellerSet group : groups) {
        if (!SAFE_GROUPS[group])
            return FALSE;
    }
    return TRUE;
}

inline int CCrossingState::CountAt(int place) const
{
    int count = 0;
    for (std::int32_t p : m_place) {
        if (p == place)
            ++count;
    }
    return count;
}

inline BOOL CCrossingState::Equals(const CCrossingState& other) const
{
    return std::memcmp(m_place, other.m_place, sizeof m_place) == 0 ? TRUE : FALSE;
}
