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

void CSolverStatus::RefreshLastClock()
{
    m_lastClock = MillisecondClock();
}

void CSolverStatus::StoreBest(const CCrossingPath& current)
{
    m_bestArrived = current.ArrivedCount();
    m_bestTop = current.Top();
    CSingleLock guard(m_lock);
    m_best = current;
    m_bestChanged = TRUE;
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
