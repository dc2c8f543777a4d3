// Milliseconds of elapsed real time since the process started.
#pragma once

#include <cstdint>

// Monotonic wall time, not processor time. The count wraps like a 32-bit
// value after about 24 days; take differences with ClockDifference.
std::int32_t MillisecondClock();

// later - earlier, correct across a wrap of the 32-bit count.
inline std::int32_t ClockDifference(std::int32_t later, std::int32_t earlier)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(later) - static_cast<std::uint32_t>(earlier));
}
