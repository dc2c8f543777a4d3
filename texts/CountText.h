// Counts as the texts write them, each in one place: trips, seats and
// plans.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// "7 回".
std::string TripsText(int trips);
// "ひとり", "ふたり", "3 人": how many the boat seats.
std::string SeatsText(int seats);
// "17 分": a time in a puzzle's unit.
std::string TimeText(std::int64_t time, const std::string& unit);
// "2 通り", or that the number does not fit in 64 bits.
std::string PlansText(std::optional<std::uint64_t> plans);
