#include "CrossingPath.h"

// Push, Pop and the counts are inline in the header: the search runs them for
// every move.

CCrossingPath::CCrossingPath() : m_top(0) {}

int CCrossingPath::GetPlaceAt(int step, int traveller) const
{
    if (step < 0 || step > m_top)
        return PLACE_UNKNOWN;
    return m_states[step].GetPlace(traveller);
}
