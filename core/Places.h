// Where travellers are, for every puzzle of the family: the two banks and
// the boat while it crosses, whose travellers are a place of their own; the
// travellers at each place; and where the boat lies after some trips.
#pragma once

#include "TravellerSet.h"

#include <array>
#include <cstdint>

// Where a traveller is. Travellers with equal places are together; the group
// aboard a trip is a group of its own, apart from both sides.
inline constexpr std::int32_t PLACE_START = 0;     // start side
inline constexpr std::int32_t PLACE_GOING = 1;     // aboard an outbound trip
inline constexpr std::int32_t PLACE_ARRIVED = 2;   // far side
inline constexpr std::int32_t PLACE_RETURNING = 3; // aboard a return trip
inline constexpr std::int32_t PLACE_UNKNOWN = 4;   // only answered for an index out of range

// The places a traveller can be at: PLACE_START to PLACE_RETURNING.
inline constexpr int PLACE_COUNT = 4;

// The travellers at each place, indexed by place.
using PlaceGroups = std::array<TravellerSet, PLACE_COUNT>;

// The travellers at each place when everybody, those aboard and those across
// (PLACE_ARRIVED or PLACE_RETURNING) are known: each place is where the sets
// aboard and across meet or miss. The one way from an arrangement to its
// groups, for a puzzle of any size.
constexpr PlaceGroups GroupsOf(TravellerSet everybody, TravellerSet aboard, TravellerSet across)
{
    PlaceGroups groups{};
    groups[PLACE_START] = everybody & ~(aboard | across);
    groups[PLACE_GOING] = aboard & ~across;
    groups[PLACE_ARRIVED] = across & ~aboard;
    groups[PLACE_RETURNING] = aboard & across;
    return groups;
}

// The boat lies at PLACE_START before the first trip and changes sides with
// every trip.
constexpr int BoatSideAfter(int trips)
{
    return trips % 2 == 0 ? PLACE_START : PLACE_ARRIVED;
}

// How travellers board at boatSide: PLACE_GOING from the start side,
// PLACE_RETURNING from the far side.
constexpr int BoardingAction(int boatSide)
{
    return boatSide == PLACE_START ? PLACE_GOING : PLACE_RETURNING;
}
