// Atomic read-modify-write of a shared 32-bit counter.
#pragma once

#include <atomic>
#include <cstdint>

// Returns the value after the change.
inline std::int32_t InterlockedIncrement(std::atomic<std::int32_t>& value)
{
    return value.fetch_add(1, std::memory_order_acq_rel) + 1;
}

inline std::int32_t InterlockedDecrement(std::atomic<std::int32_t>& value)
{
    return value.fetch_sub(1, std::memory_order_acq_rel) - 1;
}
