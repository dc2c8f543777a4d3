#include "PathTrips.h"

std::vector<CPathTrip> TripsOf(const CCrossingPath& path)
{
    std::vector<CPathTrip> trips;
    for (int step = 0; step <= path.Top(); ++step) {
        CPathTrip trip;
        for (int traveller = 0; traveller < TRAVELLER_COUNT; ++traveller) {
            const int place = path.GetPlaceAt(step, traveller);
            if (place == PLACE_GOING || place == PLACE_RETURNING) {
                trip.m_direction = place;
                trip.m_travellers |= TravellerBit(traveller);
            }
        }
        if (trip.m_travellers != 0)
            trips.push_back(trip);
    }
    return trips;
}

std::vector<PlaceGroups> StepsOfPath(const CCrossingPath& path)
{
    std::vector<PlaceGroups> steps;
    for (int step = 0; step <= path.Top(); ++step) {
        const ArrangementCode code = path.CodeAt(step);
        steps.push_back(GroupsOf(ALL_TRAVELLERS, AboardIn(code), AcrossIn(code)));
    }
    return steps;
}
