// A one-line progress display on standard error: bar, elapsed time, trials.
#pragma once

#include "engine/SolverStatus.h"

class CProgressLine {
public:
    // Shows nothing unless standard error is a terminal.
    CProgressLine();
    void Show(const CSolverStatus& status);
    // Removes the line so that later output starts on a clean line.
    void Clear();

private:
    bool m_enabled;
    bool m_shown = false;
};
