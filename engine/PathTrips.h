// A path read as the trips it makes: who is aboard at each step where
// somebody is, and which way they go. torvaly-solve lists them.
#pragma once

#include "CrossingPath.h"
#include "Travellers.h"

#include <vector>

struct CPathTrip {
    int m_direction = PLACE_GOING; // PLACE_GOING or PLACE_RETURNING
    TravellerSet m_travellers = 0;
};

// The trips of path in order, one per step with somebody aboard.
std::vector<CPathTrip> TripsOf(const CCrossingPath& path);
