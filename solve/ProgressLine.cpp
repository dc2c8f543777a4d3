#include "ProgressLine.h"

#include "texts/DisplayText.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

constexpr int BAR_WIDTH = 30;

// A terminal that can go back to the start of the line and clear it: the
// line is redrawn in place with "\r" and "\033[K", which a dumb terminal
// (TERM=dumb, as in editors' shell buffers) would show as clutter.
bool CanRedrawLine(std::FILE* out)
{
    const char* term = std::getenv("TERM");
    return isatty(fileno(out)) == 1 && (term == nullptr || std::string_view(term) != "dumb");
}

} // namespace

CProgressLine::CProgressLine(std::FILE* out) : m_out(out), m_enabled(CanRedrawLine(out)) {}

void CProgressLine::Show(const CSolverStatus& status)
{
    if (!m_enabled)
        return;
    const int max = status.m_progressMax;
    const int pos = status.m_progressPos;
    const int filled = max > 0 ? pos * BAR_WIDTH / max : 0;
    const std::string bar = std::string(filled, '#') + std::string(BAR_WIDTH - filled, '.');
    std::fprintf(m_out, "\r[%s] %d/%d  %s  %s %d\033[K", bar.c_str(), pos, max,
                 ElapsedText(status.m_startClock, status.m_lastClock).c_str(), FigureLabel(FIGURE_TRIALS),
                 static_cast<int>(status.m_trials));
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
