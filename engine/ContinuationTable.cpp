#include "ContinuationTable.h"

#include "SafeBoats.h"
#include "SafetyRules.h"

std::size_t CContinuationTable::IndexOf(TravellerSet across, bool boatAtFarSide)
{
    return static_cast<std::size_t>(across) | (boatAtFarSide ? TRAVELLER_SET_COUNT : 0);
}

// Layer by layer: the arrangements that need n trips are those, not yet
// known, with a safe trip to one that needs n - 1. Trying each one's safe
// boats in the search's order, the first that reaches layer n - 1 is the
// trip to suggest. The table ends when a layer adds nothing; what is left
// has no continuation.
CContinuationTable::CContinuationTable()
{
    m_entries.fill({NO_CONTINUATION, 0});
    m_entries[IndexOf(ALL_TRAVELLERS, true)].m_trips = 0;

    for (int trips = 1;; ++trips) {
        bool grown = false;
        for (std::size_t index = 0; index < ENTRY_COUNT; ++index) {
            CEntry& entry = m_entries[index];
            if (entry.m_trips != NO_CONTINUATION)
                continue;
            const bool atFarSide = index >= TRAVELLER_SET_COUNT;
            const auto across = static_cast<TravellerSet>(index) & ALL_TRAVELLERS;
            const TravellerSet leaving = atFarSide ? across : ALL_TRAVELLERS & ~across;
            const TravellerSet otherSide = ALL_TRAVELLERS & ~leaving;
            // The side the boat does not leave stays as it is in every trip.
            if (!SAFE_GROUPS[otherSide])
                continue;
            for (int k = FIRST_SAFE_BOAT[leaving]; k < FIRST_SAFE_BOAT[leaving + 1]; ++k) {
                const TravellerSet boat = SAFE_BOATS[static_cast<std::size_t>(k)];
                const TravellerSet acrossAfter = atFarSide ? across & ~boat : across | boat;
                if (m_entries[IndexOf(acrossAfter, !atFarSide)].m_trips == trips - 1) {
                    entry = {static_cast<std::int16_t>(trips), static_cast<std::uint16_t>(boat)};
                    grown = true;
                    break;
                }
            }
        }
        if (!grown)
            break;
    }
}

CContinuation CContinuationTable::Lookup(TravellerSet across, int boatSide) const
{
    if ((across & ~ALL_TRAVELLERS) != 0 || (boatSide != PLACE_START && boatSide != PLACE_ARRIVED))
        return {};
    const CEntry& entry = m_entries[IndexOf(across, boatSide == PLACE_ARRIVED)];
    return {entry.m_trips, entry.m_trip};
}

CContinuation CContinuationTable::Lookup(const CCrossingState& landed, int boatSide) const
{
    const ArrangementCode code = CodeOf(landed);
    if (AboardIn(code) != 0)
        return {};
    return Lookup(AcrossIn(code), boatSide);
}

const CContinuationTable& SharedContinuationTable()
{
    static const CContinuationTable s_table;
    return s_table;
}

CContinuation ShortestContinuation(const CCrossingState& landed, int boatSide)
{
    return SharedContinuationTable().Lookup(landed, boatSide);
}
