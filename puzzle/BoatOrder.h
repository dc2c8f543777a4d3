// The order in which every puzzle's boats are tried: the exact solver's
// first plan and its hints take the first suitable boat in this order. Each
// traveller in column order, alone and then with the later ones: a boat's
// travellers, listed in column order, come in dictionary order, a shorter
// list before its longer ones. For two seats it is the order in which the
// search tries its candidates (CANDIDATE_BOATS).
#pragma once

#include "core/TravellerSet.h"

namespace BoatOrderDetail {

// Every boat of boat and travellers of leaving after after, with seats
// left for them; the count is carried rather than worked out, since a
// popcount is a call without the processor's instruction.
template <typename Visit>
bool VisitFrom(TravellerSet leaving, int seatsLeft, TravellerSet boat, TravellerSet after, Visit& visit)
{
    for (TravellerSet left = leaving & ~(after == 0 ? 0 : (after << 1) - 1); left != 0; left &= left - 1) {
        const TravellerSet next = left & (~left + 1);
        const TravellerSet larger = boat | next;
        if (!visit(larger))
            return false;
        if (seatsLeft > 1 && !VisitFrom(leaving, seatsLeft - 1, larger, next, visit))
            return false;
    }
    return true;
}

} // namespace BoatOrderDetail

// Calls visit(boat) with every boat of 1 to seats travellers taken from
// leaving, in the order above, until visit returns false. Returns whether
// every boat was visited.
template <typename Visit> bool ForEachBoat(TravellerSet leaving, int seats, Visit&& visit)
{
    return BoatOrderDetail::VisitFrom(leaving, seats, 0, 0, visit);
}
