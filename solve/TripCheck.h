// torvaly-solve --check: a list of trips replayed from the start with the
// puzzle's judge of a trip, and its exact shortest continuation.
#pragma once

#include "TripListReader.h"
#include "puzzle/PuzzleSolver.h"

#include <cstdint>
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
    int m_trips = 0;         // the trips accepted
    CPuzzleState m_state;    // where they leave everybody and the boat
    std::int64_t m_time = 0; // the time they take, in a puzzle with times
    int m_shortest = 0;      // the fewest trips from the start, or NO_CONTINUATION
    int m_remaining = 0;     // the fewest from m_state, or NO_CONTINUATION
    // With times: the least time from the start and from m_state, or
    // NO_CONTINUATION, and whether the latter fits in the time limit.
    std::int64_t m_fastest = 0;
    std::int64_t m_remainingTime = 0;
    bool m_fits = true;
    // REFUSED: the trip and why.
    CListedTrip m_refused;
    CPuzzleVerdict m_verdict;
    // UNREADABLE: the line and why; READ_FAILED: errno's reason.
    int m_line = 0;
    std::string m_error;
    int m_readError = 0;

    bool IsReadable() const { return m_outcome != CheckOutcome::UNREADABLE && m_outcome != CheckOutcome::READ_FAILED; }
};

// Reads the trips one by one and judges each from where the ones before left
// everybody, the boat starting on the start bank; stops at the first trip
// refused or line that cannot be read, so that nothing past it is read.
CTripCheck CheckTrips(CTripListReader& reader, const CPuzzleSolution& solution);

// EXIT_DONE for ACROSS; EXIT_NOT_ACROSS for NOT_ACROSS and REFUSED;
// EXIT_USAGE for input that cannot be read.
int CheckExitStatus(CheckOutcome outcome);
