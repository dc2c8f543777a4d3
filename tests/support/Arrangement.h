// Builds any arrangement through the public moves, from a string of twelve
// place digits, traveller 0 first: "000000000000" is the initial one.
#pragma once

#include "engine/CrossingState.h"

#include <string>

inline CCrossingState MakeArrangement(const std::string& places)
{
    CCrossingState state;
    // Everybody who ends up past the start side crosses first...
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (places.at(t) == '2' || places.at(t) == '3')
            state.Board(t, PLACE_GOING);
    }
    state.Land();
    // ...then the trips in progress are boarded.
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (places.at(t) == '1')
            state.Board(t, PLACE_GOING);
        else if (places.at(t) == '3')
            state.Board(t, PLACE_RETURNING);
    }
    return state;
}

inline std::string PlacesOf(const CCrossingState& state)
{
    std::string places;
    for (int t = 0; t < TRAVELLER_COUNT; ++t)
        places += static_cast<char>('0' + state.GetPlace(t));
    return places;
}
