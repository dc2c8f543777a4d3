// The search allocates nothing: every candidate is a local copy and the path
// lives on the caller's stack. This file replaces the global allocation
// functions of the whole test binary with versions that count each call and
// then forward to malloc and free, so a complete run can be watched for heap
// use. Forwarding to malloc and free keeps them working under the sanitizers,
// which intercept malloc and free themselves.

#include "engine/AbortEvent.h"
#include "engine/SolverStatus.h"
#include "engine/SolverTask.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> g_allocations{0};
std::atomic<long> g_deallocations{0};

void* CountedAllocate(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size == 0 ? 1 : size);
}

void* CountedAllocateAligned(std::size_t size, std::align_val_t alignment)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    void* block = nullptr;
    std::size_t align = static_cast<std::size_t>(alignment);
    if (align < sizeof(void*))
        align = sizeof(void*);
    if (posix_memalign(&block, align, size == 0 ? 1 : size) != 0)
        return nullptr;
    return block;
}

void CountedFree(void* block) noexcept
{
    if (block == nullptr)
        return;
    g_deallocations.fetch_add(1, std::memory_order_relaxed);
    std::free(block);
}

void* AllocateOrThrow(std::size_t size)
{
    if (void* block = CountedAllocate(size))
        return block;
    throw std::bad_alloc();
}

void* AllocateAlignedOrThrow(std::size_t size, std::align_val_t alignment)
{
    if (void* block = CountedAllocateAligned(size, alignment))
        return block;
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size)
{
    return AllocateOrThrow(size);
}
void* operator new[](std::size_t size)
{
    return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return CountedAllocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return CountedAllocate(size);
}
void* operator new(std::size_t size, std::align_val_t alignment)
{
    return AllocateAlignedOrThrow(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return AllocateAlignedOrThrow(size, alignment);
}
void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return CountedAllocateAligned(size, alignment);
}
void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    return CountedAllocateAligned(size, alignment);
}

void operator delete(void* block) noexcept
{
    CountedFree(block);
}
void operator delete[](void* block) noexcept
{
    CountedFree(block);
}
void operator delete(void* block, std::size_t) noexcept
{
    CountedFree(block);
}
void operator delete[](void* block, std::size_t) noexcept
{
    CountedFree(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept
{
    CountedFree(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept
{
    CountedFree(block);
}
void operator delete(void* block, std::align_val_t) noexcept
{
    CountedFree(block);
}
void operator delete[](void* block, std::align_val_t) noexcept
{
    CountedFree(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept
{
    CountedFree(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept
{
    CountedFree(block);
}
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept
{
    CountedFree(block);
}
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept
{
    CountedFree(block);
}

namespace {

class AllocationCountTest : public ::testing::Test {
protected:
    void SetUp() override { g_abortEvent.ResetEvent(); }
    void TearDown() override { g_abortEvent.ResetEvent(); }
};

TEST_F(AllocationCountTest, CountingSeesHeapUse)
{
    // The counters must see an allocation, or the test below proves nothing.
    const long allocationsBefore = g_allocations.load();
    const long deallocationsBefore = g_deallocations.load();
    {
        // Through a volatile pointer, so that the pair cannot be optimised away.
        int* volatile numbers = new int[16];
        delete[] numbers;
    }
    EXPECT_EQ(g_allocations.load() - allocationsBefore, 1);
    EXPECT_EQ(g_deallocations.load() - deallocationsBefore, 1);
}

TEST_F(AllocationCountTest, CompleteSearchAllocatesNothingInBothModes)
{
    for (const BOOL countAlternatives : {FALSE, TRUE}) {
        SCOPED_TRACE(countAlternatives ? "counting alternatives" : "not counting alternatives");
        const long allocationsBefore = g_allocations.load();
        const long deallocationsBefore = g_deallocations.load();
        int trials = 0;
        {
            CSolverStatus status;
            status.m_countAlternatives = countAlternatives;
            CSolverTask task;
            task.Run(&status);
            CCrossingPath best;
            status.TakeBestIfChanged(best);
            trials = status.m_trials;
        }
        const long allocations = g_allocations.load() - allocationsBefore;
        const long deallocations = g_deallocations.load() - deallocationsBefore;
        // The search did run to its end.
        EXPECT_GT(trials, 0);
        EXPECT_EQ(allocations, 0);
        EXPECT_EQ(deallocations, 0);
    }
}

} // namespace
