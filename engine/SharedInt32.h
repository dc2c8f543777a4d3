// A 32-bit value that the worker writes and the dialog reads at the same time,
// without a lock. A reader sees the old value or the new one, never a torn
// one; no ordering between different values is promised.
#pragma once

#include <atomic>
#include <cstdint>

class CSharedInt32 {
public:
    constexpr explicit CSharedInt32(std::int32_t value = 0) : m_value(value) {}
    virtual ~CSharedInt32() = default;
    CSharedInt32(const CSharedInt32&) = delete;
    CSharedInt32& operator=(const CSharedInt32&) = delete;

    operator std::int32_t() const { return m_value.load(std::memory_order_relaxed); }

    CSharedInt32& operator=(std::int32_t value)
    {
        m_value.store(value, std::memory_order_relaxed);
        return *this;
    }

    // Only the single writer increments, so a load and a store suffice.
    void Increment() { Add(1); }
    void Add(std::int32_t amount)
    {
        m_value.store(m_value.load(std::memory_order_relaxed) + amount, std::memory_order_relaxed);
    }

private:
    std::atomic<std::int32_t> m_value;
};
