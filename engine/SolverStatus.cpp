#include "SolverStatus.h"

#include "platform/Clock.h"

CSolverStatus::CSolverStatus() = default;

void CSolverStatus::SetProgressRange(int max)
{
    if (max <= 0)
        return;
    m_progressMax = max;
    m_progressPos = 0;
}

void CSolverStatus::StepProgress()
{
    m_lastClock = MillisecondClock();
    if (m_progressPos < m_progressMax)
        m_progressPos.Increment();
}

void CSolverStatus::MarkStart()
{
    const std::int32_t now = MillisecondClock();
    m_startClock = now;
    m_lastClock = now;
}

void CSolverStatus::MarkFinished()
{
    m_lastClock = MillisecondClock();
    m_finished = TRUE;
}

BOOL CSolverStatus::OfferPath(const CCrossingPath& current)
{
    m_lastClock = MillisecondClock();

    const int bestArrived = m_best.ArrivedCount();
    const int bestTop = m_best.Top();
    const int curArrived = current.ArrivedCount();
    const int curTop = current.Top();

    const bool better = curArrived > bestArrived || (curArrived == bestArrived && curTop < bestTop);
    if (better) {
        {
            CSingleLock guard(m_lock);
            m_best = current;
            m_bestChanged = TRUE;
        }
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

BOOL CSolverStatus::TakeBestIfChanged(CCrossingPath& out)
{
    CSingleLock guard(m_lock);
    const BOOL changed = m_bestChanged;
    if (changed) {
        out = m_best;
        m_bestChanged = FALSE;
    }
    return changed;
}
