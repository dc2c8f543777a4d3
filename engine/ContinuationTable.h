// The shortest continuation from every arrangement with nobody aboard: how
// many trips still bring all twelve across at best, and a trip that starts
// such a continuation. The game's hint and the checker of a list of trips
// ask it.
#pragma once

#include "CrossingState.h"
#include "Travellers.h"

#include <array>
#include <cstdint>

// The trips of a continuation that does not exist.
inline constexpr int NO_CONTINUATION = -1;

struct CContinuation {
    // The fewest trips that still bring all twelve across: 0 when they are
    // across with the boat there, NO_CONTINUATION when no trips can.
    int m_trips = NO_CONTINUATION;
    // A trip that starts such a continuation, the first in the order in which
    // the search tries its candidates (every traveller alone, then with every
    // later one); nobody when m_trips is 0 or NO_CONTINUATION.
    TravellerSet m_trip = 0;
};

class CContinuationTable {
public:
    // Works out the whole table: an exact breadth-first search, backwards
    // from the goal, over every set of travellers across with the boat on
    // either side, with the trips the search itself would accept (a landing is
    // not judged). The search's own limits (its 99 steps, no repeated
    // arrangement, arrivals that keep growing) do not apply.
    CContinuationTable();
    virtual ~CContinuationTable() = default;

    // From landed, an arrangement with nobody aboard, with the boat at
    // boatSide (PLACE_START or PLACE_ARRIVED). An arrangement with somebody
    // aboard, or a boatSide that is neither side, has no continuation.
    CContinuation Lookup(const CCrossingState& landed, int boatSide) const;
    // The same from the set of travellers across.
    CContinuation Lookup(TravellerSet across, int boatSide) const;

private:
    struct CEntry {
        std::int16_t m_trips;
        std::uint16_t m_trip;
    };
    // Indexed by the travellers across, and by the boat side above them.
    static constexpr std::size_t ENTRY_COUNT = 2 * TRAVELLER_SET_COUNT;
    static std::size_t IndexOf(TravellerSet across, bool boatAtFarSide);

    std::array<CEntry, ENTRY_COUNT> m_entries;
};

// The table every caller shares: worked out once, by the first caller, when
// first asked for (thread-safe), and a look-up after that.
const CContinuationTable& SharedContinuationTable();

// SharedContinuationTable().Lookup(landed, boatSide).
CContinuation ShortestContinuation(const CCrossingState& landed, int boatSide);
