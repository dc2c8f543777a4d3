// The result of torvaly-solve --check, as one Japanese line or as one JSON
// object, for a check that read its whole input or stopped at a refused trip.
#pragma once

#include "TripCheck.h"

#include <ostream>
#include <string>

// What the check of trips of puzzle found, in a sentence or two: everybody
// across, with the trips made and the shortest; the trip refused, its line
// and why, with the rule's number when it broke one; or the trips still
// needed at best. "" for input that could not be read.
std::string CheckResultText(const CPuzzle& puzzle, const CTripCheck& check);

// CheckResultText and a newline.
void WriteCheckReport(std::ostream& out, const CPuzzle& puzzle, const CTripCheck& check);

// One line: the object, then a newline. The fields are listed in
// torvaly-solve --help.
void WriteCheckJson(std::ostream& out, const CPuzzle& puzzle, const CTripCheck& check);
