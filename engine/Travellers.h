// The twelve travellers of the built-in puzzle.
#pragma once

#include "core/TravellerSet.h"

#include <cstddef>

inline constexpr int TRAVELLER_COUNT = 12;
// Travellers 0 to 4 can operate a trip; the others never travel alone.
inline constexpr int OPERATOR_COUNT = 5;

inline constexpr TravellerSet OPERATORS = TravellerBit(OPERATOR_COUNT) - 1;
inline constexpr TravellerSet ALL_TRAVELLERS = TravellerBit(TRAVELLER_COUNT) - 1;
// The number of different sets of travellers.
inline constexpr std::size_t TRAVELLER_SET_COUNT = std::size_t{1} << TRAVELLER_COUNT;
