// A one-line progress display on a terminal: bar, elapsed time, trials.
#pragma once

#include "engine/SolverStatus.h"

#include <cstdio>

class CProgressLine {
public:
    // Shows nothing unless out is a terminal and TERM is not "dumb".
    explicit CProgressLine(std::FILE* out);
    void Show(const CSolverStatus& status);
    // Removes the line so that later output starts on a clean line.
    void Clear();

private:
    std::FILE* m_out;
    bool m_enabled;
    bool m_shown = false;
};
