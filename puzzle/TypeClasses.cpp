#include "TypeClasses.h"

#include <bit>

CTypeClasses::CTypeClasses(const CPuzzle& puzzle)
{
    TravellerSet seen = 0;
    for (int first = 0; first < puzzle.TravellerCount(); ++first) {
        if ((seen & TravellerBit(first)) != 0 || puzzle.TypeOf(first).empty())
            continue;
        TravellerSet type = 0;
        for (int other = first; other < puzzle.TravellerCount(); ++other) {
            if (puzzle.TypeOf(other) == puzzle.TypeOf(first))
                type |= TravellerBit(other);
        }
        seen |= type;
        if (std::popcount(type) > 1)
            m_types.push_back(type);
    }
}

TravellerSet CTypeClasses::Canonical(TravellerSet across) const
{
    for (const TravellerSet type : m_types) {
        int count = std::popcount(across & type);
        across &= ~type;
        for (TravellerSet left = type; count > 0; left &= left - 1, --count)
            across |= left & (~left + 1);
    }
    return across;
}
