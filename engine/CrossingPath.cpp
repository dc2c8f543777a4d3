#include "CrossingPath.h"

CCrossingPath::CCrossingPath() : m_top(0) {}

BOOL CCrossingPath::Push(const CCrossingState& candidate)
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

BOOL CCrossingPath::Pop()
{
    if (m_top < 1)
        return FALSE;
    --m_top;
    return TRUE;
}

int CCrossingPath::ArrivedCount() const
{
    return m_states[m_top].CountAt(PLACE_ARRIVED);
}

int CCrossingPath::GetPlaceAt(int step, int traveller) const
{
    if (step < 0 || step > m_top)
        return PLACE_UNKNOWN;
    return m_states[step].GetPlace(traveller);
}

BOOL CCrossingPath::IsProgressing() const
{
    const int arrived = ArrivedCount();
    if (arrived >= TRAVELLER_COUNT)
        return FALSE;
    constexpr int window = 2 * STEPS_PER_ROUND_TRIP;
    if (m_top < window)
        return TRUE;
    return arrived > m_states[m_top - window].CountAt(PLACE_ARRIVED) ? TRUE : FALSE;
}
