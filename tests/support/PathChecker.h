// Checks that a path is a legal sequence of moves under the puzzle's rules.
#pragma once

#include "engine/CrossingPath.h"

#include <string>

// Empty when the path is legal; otherwise a description of the first fault:
// the top out of bounds, a step that is neither a legal boarding (one or two
// travellers from the side the trip leaves, leaving a safe arrangement) nor
// the landing of the previous step, or an arrangement repeated in its phase.
std::string CheckPath(const CCrossingPath& path);
