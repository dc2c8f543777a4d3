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
    // The search keeps a compact copy of the path's arrangements, looks for
    // repetitions there and then builds each new arrangement in place.
    friend class CSolverTask;

    // Pushes a copy of the current arrangement and returns it, to be made into
    // the next arrangement where it lies. The caller has made sure that the
    // path has room and that the result repeats no earlier arrangement of its
    // phase.
    CCrossingState& PushCopyOfCurrent();

    CCrossingState m_states[PATH_CAPACITY];
    std::int32_t m_top;
};

inline BOOL CCrossingPath::Push(const CCrossingState& candidate)
{
    if (m_top >= PATH_CAPACITY - 1)
        return FALSE;
    // Only the earlier arrangements of the new step's phase can repeat it.
    for (int k = (m_top + 1) % STEPS_PER_ROUND_TRIP; k < m_top; k += STEPS_PER_ROUND_TRIP) {
        if (m_states[k].Equals(candidate))
            return FALSE;
    }
    ++m_top;
    m_states[m_top] = candidate;
    return TRUE;
}

inline CCrossingState& CCrossingPath::PushCopyOfCurrent()
{
    ++m_top;
    m_states[m_top] = m_states[m_top - 1];
    return m_states[m_top];
}

inline BOOL CCrossingPath::Pop()
{
    if (m_top < 1)
        return FALSE;
    --m_top;
    return TRUE;
}

inline int CCrossingPath::ArrivedCount() const
{
    return m_states[m_top].CountAt(PLACE_ARRIVED);
}

inline BOOL CCrossingPath::IsProgressing() const
{
    const int arrived = ArrivedCount();
    if (arrived >= TRAVELLER_COUNT)
        return FALSE;
    constexpr int window = 2 * STEPS_PER_ROUND_TRIP;
    if (m_top < window)
        return TRUE;
    return arrived > m_states[m_top - window].CountAt(PLACE_ARRIVED) ? TRUE : FALSE;
}
