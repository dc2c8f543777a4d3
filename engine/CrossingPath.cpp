#include "CrossingPath.h"

#include <cstring>

CCrossingPath::CCrossingPath() : m_top(0), m_codes{}, m_tallies{}, m_counts{}
{
    // Every element starts as the initial arrangement, whose code and tally
    // at step 0 are 0.
    CountSteps(+1);
}

CCrossingPath::CCrossingPath(const CCrossingPath& other) : m_counts{}
{
    CopyStepsOf(other);
    CountSteps(+1);
}

CCrossingPath& CCrossingPath::operator=(const CCrossingPath& other)
{
    if (this == &other)
        return *this;
    // The counts cover the steps up to the top only: take this path's steps
    // out and the other's in, rather than copying all the counts.
    CountSteps(-1);
    CopyStepsOf(other);
    CountSteps(+1);
    return *this;
}

void CCrossingPath::CopyStepsOf(const CCrossingPath& other)
{
    for (int step = 0; step < PATH_CAPACITY; ++step)
        m_states[step] = other.m_states[step];
    std::memcpy(m_codes, other.m_codes, sizeof m_codes);
    std::memcpy(m_tallies, other.m_tallies, sizeof m_tallies);
    m_top = other.m_top;
}

void CCrossingPath::CountSteps(int change)
{
    for (int step = 0; step <= m_top; ++step) {
        std::uint8_t& count = m_counts[m_tallies[step]];
        count = static_cast<std::uint8_t>(count + change);
    }
}

int CCrossingPath::GetPlaceAt(int step, int traveller) const
{
    if (step < 0 || step > m_top)
        return PLACE_UNKNOWN;
    return m_states[step].GetPlace(traveller);
}
