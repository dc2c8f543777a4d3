// One arrangement of the crossing puzzle: where each of the twelve travellers is.
#pragma once

#include "platform/Types.h"

#include <cstdint>

// Where a traveller is. Travellers with equal places are together; the group
// aboard a trip is a group of its own, apart from both sides.
inline constexpr std::int32_t PLACE_START = 0;     // start side
inline constexpr std::int32_t PLACE_GOING = 1;     // aboard an outbound trip
inline constexpr std::int32_t PLACE_ARRIVED = 2;   // far side
inline constexpr std::int32_t PLACE_RETURNING = 3; // aboard a return trip
inline constexpr std::int32_t PLACE_UNKNOWN = 4;   // only answered for an index out of range

inline constexpr int TRAVELLER_COUNT = 12;
// Travellers 0 to 4 can operate a trip; the others never travel alone.
inline constexpr int OPERATOR_COUNT = 5;

class CCrossingState {
public:
    CCrossingState();
    CCrossingState(const CCrossingState&) = default;
    CCrossingState& operator=(const CCrossingState&) = default;
    virtual ~CCrossingState() = default;

    // Puts a traveller aboard: PLACE_GOING from the start side, PLACE_RETURNING
    // from the far side. Refuses (0, nothing changed) any other move.
    BOOL Board(int traveller, int action);

    // Ends the trip in progress: outbound travellers arrive, returning ones are
    // back at the start side.
    void Land();

    // The puzzle's safety rules, for an arrangement with a trip just boarded.
    BOOL IsSafe() const;

    int CountAt(int place) const;
    BOOL Equals(const CCrossingState& other) const;
    int GetPlace(int traveller) const;

private:
    BOOL Together(int a, int b) const { return m_place[a] == m_place[b]; }
    BOOL HasCompany(int traveller) const { return CountAt(m_place[traveller]) > 1; }

    std::int32_t m_place[TRAVELLER_COUNT];
};
