// torvaly-solve --check: a list of trips replayed from the start with the
// engine's judge of a trip, the one the search's rules give, and the
// shortest continuation.
#pragma once

#include "TripListReader.h"
#include "engine/TripJudge.h"

#include <string>

enum class CheckOutcome {
    ACROSS,     // every trip accepted, and everybody across
    NOT_ACROSS, // every trip accepted, and somebody still to cross
    REFUSED,    // a trip refused by the judge
    UNREADABLE, // a line that cannot be read
    READ_FAILED // the input could not be read
};

struct CTripCheck {
    CheckOutcome m_outcome = CheckOutcome::NOT_ACROSS;
    int m_trips = 0;              // the trips accepted
    CCrossingState m_landed;      // the arrangement they leave
    int m_boatSide = PLACE_START; // where they leave the boat
    int m_shortest = 0;           // the fewest trips from the start
    int m_remaining = 0;          // the fewest from m_landed, or NO_CONTINUATION
    // REFUSED: the trip and why.
    CListedTrip m_refused;
    CTripVerdict m_verdict;
    // UNREADABLE: the line and why; READ_FAILED: errno's reason.
    int m_line = 0;
    std::string m_error;
    int m_readError = 0;
};

// Reads the trips one by one and judges each from where the ones before left
// everybody, the boat starting at 日本; stops at the first trip refused or
// line that cannot be read, so that nothing past it is read.
CTripCheck CheckTrips(CTripListReader& reader);

// 0 for ACROSS; 1 for NOT_ACROSS and REFUSED; 2 for input that cannot be read.
int CheckExitStatus(CheckOutcome outcome);
