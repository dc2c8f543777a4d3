// Drives a crossing session as a front end does, naming travellers as a
// player sees them.
#pragma once

#include "play/CrossingSession.h"

#include <string>
#include <vector>

// Chooses the travellers of the chosen puzzle named, then crosses; whether
// the trip was made. A refused choice stays chosen, as the game keeps it.
bool CrossWith(CCrossingSession& session, const std::vector<std::string>& names);
