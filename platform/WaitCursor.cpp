#include "WaitCursor.h"

#include <atomic>

namespace {

std::atomic<void (*)()> g_begin{nullptr};
std::atomic<void (*)()> g_end{nullptr};

} // namespace

void SetWaitCursorHandlers(WaitCursorHandlers handlers)
{
    g_begin.store(handlers.begin);
    g_end.store(handlers.end);
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
