#include "ProgressLine.h"

#include "display/DisplayText.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

constexpr int BAR_WIDTH = 30;

} // namespace

CProgressLine::CProgressLine(std::FILE* out) : m_out(out), m_enabled(isatty(fileno(out)) == 1) {}

void CProgressLine::Show(const CSolverStatus& status)
{
    if (!m_enabled)
        return;
    const int max = status.m_progressMax;
    const int pos = status.m_progressPos;
    const int filled = max > 0 ? pos * BAR_WIDTH / max : 0;
    const std::string bar = std::string(filled, '#') + std::string(BAR_WIDTH - filled, '.');
    std::fprintf(m_out, "\r[%s] %d/%d  %s  試行回数 %d\033[K", bar.c_str(), pos, max,
                 ElapsedText(status.m_startClock, status.m_lastClock).c_str(), static_cast<int>(status.m_trials));
    std::fflush(m_out);
    m_shown = true;
}

void CProgressLine::Clear()
{
    if (!m_shown)
        return;
    std::fputs("\r\033[K", m_out);
    std::fflush(m_out);
    m_shown = false;
}
