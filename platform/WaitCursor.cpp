#include "WaitCursor.h"

#include <atomic>

namespace {

std::atomic<void (*)()> g_begin{nullptr};
std::atomic<void (*)()> g_end{nullptr};

} // namespace

void SetWaitCursorHandlers(CWaitCursorHandlers handlers)
{
    g_begin.store(handlers.m_begin);
    g_end.store(handlers.m_end);
}

void BeginWaitCursor()
{
    if (auto begin = g_begin.load())
        begin();
}

void EndWaitCursor()
{
    if (auto end = g_end.load())
        end();
}
