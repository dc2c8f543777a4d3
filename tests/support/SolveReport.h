// Reads back the result report that torvaly-solve prints, so that tests can
// check it as a whole: the table turned back into a path, and the five fields.
#pragma once

#include "engine/CrossingPath.h"

#include <string>

struct SolveReport {
    CCrossingPath path; // the table's rows, pushed one by one onto a fresh path
    int rows = 0;
    std::string elapsed; // "hh:mm:ss"
    long long trials = -1;
    std::string roundTrips;
    int arrived = -1;
    long long alternatives = -1;
};

// Parses a complete report: the header line, one row per arrangement
// numbered from 1, then exactly the five labelled fields in their order, and
// nothing else. Returns "" and fills report when the text is such a report
// and agrees with itself (round trips and arrivals match the last row, the
// rows form a legal path for CheckPath); otherwise describes the first fault.
std::string ParseSolveReport(const std::string& text, SolveReport& report);
