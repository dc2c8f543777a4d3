// The parts that torvaly-solve's JSON objects share: travellers as arrays
// of names, and trips as {"trip", "direction", "travellers"} objects.
#pragma once

#include "puzzle/Puzzle.h"

#include <nlohmann/json.hpp>

// Ordered, so that the fields come as the help lists them.
using Json = nlohmann::ordered_json;

// The names of travellers, in column order.
Json NamesJson(const CPuzzle& puzzle, TravellerSet travellers);

// Trip number (from 1) of travellers: its number, its direction (行き odd,
// 帰り even) and who crosses.
Json TripJson(const CPuzzle& puzzle, int number, TravellerSet travellers);
