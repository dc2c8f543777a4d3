// The search's result as the dialog shows it, written as plain text.
#pragma once

#include "engine/CrossingPath.h"
#include "engine/SolverStatus.h"

#include <ostream>

// The table (a header line, then one line per arrangement of path) followed by
// the five fields, label and value, one per line.
void WriteResultReport(std::ostream& out, const CCrossingPath& path, const CSolverStatus& status);

// The trips of path, one line each: the trip's number from 1, its direction
// (行き or 帰り) and the names of those who cross, separated by single
// spaces ("1 行き Ovrin Nolby"); then the same five fields.
void WriteTripsReport(std::ostream& out, const CCrossingPath& path, const CSolverStatus& status);
