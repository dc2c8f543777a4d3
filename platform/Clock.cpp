#include "Clock.h"

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point ProcessStart()
{
    static const Clock::time_point s_start = Clock::now();
    return s_start;
}

// Fixes the start during static initialisation, before main runs.
[[maybe_unused]] const Clock::time_point g_processStartAnchor = ProcessStart();

} // namespace

std::int32_t MillisecondClock()
{
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - ProcessStart());
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(elapsed.count()));
}
