// The record through which the search reports to the dialog: counters, clocks,
// progress and the best path found so far.
#pragma once

#include "CrossingPath.h"
#include "SharedInt32.h"
#include "platform/CriticalSection.h"

#include <atomic>

// How often, in milliseconds, the dialog and torvaly-solve take the best
// path and the figures from the status while a search runs.
inline constexpr unsigned BEST_PATH_PERIOD_MS = 200;

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
    // Whether OfferPath would refuse a path of this top and these arrivals
    // without keeping it: the search judges most outbound landings before
    // making them, and reports those with CountRefusedOffer instead.
    bool RefusesOffer(int top, int arrived) const;
    // What OfferPath does with a path that RefusesOffer refuses: counts it
    // as an alternative when it is one.
    void CountRefusedOffer(int top, int arrived);

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

    // Every offer, made or foretold: refreshes m_lastClock now and then.
    void NoteOffer();
    void RefreshLastClock();
    bool IsBetter(int top, int arrived) const
    {
        return arrived > m_bestArrived || (arrived == m_bestArrived && top < m_bestTop);
    }
    // Makes current the best, under the lock.
    void StoreBest(const CCrossingPath& current);

    int m_offersUntilClock = 1;
    // The best path's figures, for judging offers; the search is their only
    // writer and reader.
    int m_bestArrived = 0;
    int m_bestTop = 0;
    // Both only under m_lock: the dialog reads them.
    BOOL m_bestChanged = TRUE;
    CCrossingPath m_best;
    CCriticalSection m_lock;
};

// Inline: the search judges every outbound landing.

inline void CSolverStatus::NoteOffer()
{
    if (--m_offersUntilClock == 0) {
        m_offersUntilClock = OFFERS_PER_CLOCK_READING;
        RefreshLastClock();
    }
}

inline bool CSolverStatus::RefusesOffer(int top, int arrived) const
{
    if (IsBetter(top, arrived))
        return false;
    if (arrived == TRAVELLER_COUNT)
        return true;
    // Until a complete path is known there is nothing to bound against.
    if (m_bestArrived < TRAVELLER_COUNT)
        return false;
    // Each missing traveller needs at least one more round trip.
    const int bound = top + STEPS_PER_ROUND_TRIP * (TRAVELLER_COUNT - arrived);
    return !(bound < m_bestTop || (m_countAlternatives && bound == m_bestTop));
}

inline void CSolverStatus::CountRefusedOffer(int top, int arrived)
{
    NoteOffer();
    if (arrived == TRAVELLER_COUNT && m_countAlternatives && top == m_bestTop)
        m_alternatives.Increment();
}

inline BOOL CSolverStatus::OfferPath(const CCrossingPath& current)
{
    const int top = current.Top();
    const int arrived = current.ArrivedCount();
    if (IsBetter(top, arrived)) {
        NoteOffer();
        StoreBest(current);
        m_alternatives = 0;
        return TRUE;
    }
    if (RefusesOffer(top, arrived)) {
        CountRefusedOffer(top, arrived);
        return FALSE;
    }
    NoteOffer();
    return TRUE;
}
