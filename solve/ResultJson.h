// The search's result as one JSON object, for scripts: the same figures and
// path as the text report, named, and whether the search ran to its end.
#pragma once

#include "engine/CrossingPath.h"
#include "engine/SolverStatus.h"

#include <ostream>

// How the search ended.
struct CSearchEnd {
    bool m_completed = true; // false: stopped, the figures are the best so far
    int m_signal = 0;        // the stop signal received, or 0
};

// One line: the object, then a newline. The fields are listed in
// torvaly-solve --help.
void WriteResultJson(std::ostream& out, const CCrossingPath& path, const CSolverStatus& status, const CSearchEnd& end);
