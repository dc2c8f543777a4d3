// The record through which the search reports to the dialog: counters, clocks,
// progress and the best path found so far.
#pragma once

#include "CrossingPath.h"
#include "SharedInt32.h"
#include "platform/CriticalSection.h"

#include <atomic>

class CSolverStatus {
public:
    CSolverStatus();
    CSolverStatus(const CSolverStatus&) = delete;
    CSolverStatus& operator=(const CSolverStatus&) = delete;
    virtual ~CSolverStatus() = default;

    // A range of 0 or less is ignored.
    void SetProgressRange(int max);
    void StepProgress();
    void MarkStart();
    void MarkFinished();

    // Offered every path that ends with an outbound landing. Keeps it when it
    // beats the best; returns whether the search below it can still pay.
    BOOL OfferPath(const CCrossingPath& current);

    // Copies the best path into out when it changed since the last call that
    // copied it, and says whether it did. Safe against a running search.
    BOOL TakeBestIfChanged(CCrossingPath& out);

    // Written by the search alone, read by the dialog at any time.
    CSharedInt32 m_progressMax{100};
    CSharedInt32 m_progressPos{0};
    CSharedInt32 m_trials{0};       // candidates rejected so far
    CSharedInt32 m_alternatives{0}; // complete paths as long as the best
    // Set by the dialog before the worker starts; read by the search only.
    BOOL m_countAlternatives = FALSE;
    // Stored last by the search, so a reader that sees it set also sees every
    // final value above.
    std::atomic<BOOL> m_finished{FALSE};
    CSharedInt32 m_startClock{0};
    CSharedInt32 m_lastClock{0};

private:
    // Reading the clock costs more than judging an offer, and the search makes
    // tens of millions of offers a second: m_lastClock is read afresh on the
    // first offer and then on one offer in this many, a few microseconds
    // apart, far less than the clock's millisecond.
    static constexpr int OFFERS_PER_CLOCK_READING = 64;

    void RefreshLastClock();
    // Makes current the best, under the lock.
    void StoreBest(const CCrossingPath& current);

    int m_offersUntilClock = 1;
    // Both only under m_lock, but for the search's own reads of m_best: it is
    // the only writer.
    BOOL m_bestChanged = TRUE;
    CCrossingPath m_best;
    CCriticalSection m_lock;
};

// Inline: the search offers every outbound landing.
inline BOOL CSolverStatus::OfferPath(const CCrossingPath& current)
{
    if (--m_offersUntilClock == 0) {
        m_offersUntilClock = OFFERS_PER_CLOCK_READING;
        RefreshLastClock();
    }
    const int bestArrived = m_best.ArrivedCount();
    const int bestTop = m_best.Top();
    const int curArrived = current.ArrivedCount();
    const int curTop = current.Top();

    const bool better = curArrived > bestArrived || (curArrived == bestArrived && curTop < bestTop);
    if (better) {
        StoreBest(current);
        m_alternatives = 0;
        return TRUE;
    }

    if (curArrived == TRAVELLER_COUNT) {
        if (m_countAlternatives && curTop == bestTop)
            m_alternatives.Increment();
        return FALSE;
    }

    // Until a complete path is known there is nothing to bound against.
    if (bestArrived < TRAVELLER_COUNT)
        return TRUE;

    // Each missing traveller needs at least one more round trip.
    const int bound = curTop + STEPS_PER_ROUND_TRIP * (TRAVELLER_COUNT - curArrived);
    if (bound < bestTop || (m_countAlternatives && bound == bestTop))
        return TRUE;
    return FALSE;
}
