// A path read as the trips it makes: who is aboard at each step where
// somebody is, and which way they go, which torvaly-solve lists; and as the
// travellers at each place at every step, which the crossing view replays.
#pragma once

#include "CrossingPath.h"
#include "Travellers.h"

#include <vector>

// The travellers at each place at every step of path, from the first.
std::vector<PlaceGroups> StepsOfPath(const CCrossingPath& path);

struct CPathTrip {
    int m_direction = PLACE_GOING; // PLACE_GOING or PLACE_RETURNING
    TravellerSet m_travellers = 0;
};

// The trips of path in order, one per step with somebody aboard.
std::vector<CPathTrip> TripsOf(const CCrossingPath& path);
