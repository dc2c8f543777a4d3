// The sequence of arrangements from the initial one to the current one: the
// search's stack of moves, and the shape in which a best path is kept and shown.
#pragma once

#include "CrossingState.h"

inline constexpr int PATH_CAPACITY = 100;

// Steps of one round trip: outbound aboard, landed, return aboard, landed.
inline constexpr int STEPS_PER_ROUND_TRIP = 4;

class CCrossingPath {
public:
    CCrossingPath();
    CCrossingPath(const CCrossingPath&) = default;
    CCrossingPath& operator=(const CCrossingPath&) = default;
    virtual ~CCrossingPath() = default;

    // Adds an arrangement on top. Refused when the path is full or when the
    // arrangement was already met at an earlier step of the same phase.
    BOOL Push(const CCrossingState& candidate);
    // Removes the top arrangement; the initial one is never removed.
    BOOL Pop();

    int ArrivedCount() const;
    int GetPlaceAt(int step, int traveller) const;
    // After an outbound landing: whether the search below this path can still
    // pay. Complete paths and paths whose arrivals did not grow over the last
    // two round trips are cut off.
    BOOL IsProgressing() const;
    int Top() const { return m_top; }

    const CCrossingState& Current() const { return m_states[m_top]; }

private:
    CCrossingState m_states[PATH_CAPACITY];
    std::int32_t m_top;
};
