#include "CrossingState.h"

// The other operations are inline in the header.

CCrossingState::CCrossingState()
{
    for (std::int32_t& place : m_place)
        place = PLACE_START;
}
