#include "CrossingPath.h"

#include <cstring>

CCrossingPath::CCrossingPath() : m_codes{}, m_top(0), m_seen{}
{
    // Every element starts as the initial arrangement, whose code is 0.
    NoteSteps(+1);
}

CCrossingPath::CCrossingPath(const CCrossingPath& other) : m_top(other.m_top), m_seen{}
{
    std::memcpy(m_codes, other.m_codes, sizeof m_codes);
    NoteSteps(+1);
}

CCrossingPath& CCrossingPath::operator=(const CCrossingPath& other)
{
    if (this == &other)
        return *this;
    // m_seen covers the steps up to the top only: take this path's steps out
    // and the other's in, rather than copying all of it.
    NoteSteps(-1);
    std::memcpy(m_codes, other.m_codes, sizeof m_codes);
    m_top = other.m_top;
    NoteSteps(+1);
    return *this;
}

void CCrossingPath::NoteSteps(int change)
{
    for (int step = 0; step <= m_top; ++step) {
        const ArrangementCode code = m_codes[step];
        std::uint8_t& seen = m_seen[SlotOf(step, code)];
        seen = static_cast<std::uint8_t>(seen + change * (AboardIn(code) == 0 ? 1 : 2));
    }
}

int CCrossingPath::GetPlaceAt(int step, int traveller) const
{
    if (step < 0 || step > m_top || traveller < 0 || traveller >= TRAVELLER_COUNT)
        return PLACE_UNKNOWN;
    return PlaceIn(m_codes[step], traveller);
}
