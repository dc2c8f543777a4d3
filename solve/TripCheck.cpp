#include "TripCheck.h"

#include "ExitStatus.h"

CTripCheck CheckTrips(CTripListReader& reader, const CPuzzleSolution& solution)
{
    CTripCheck check;
    check.m_shortest = solution.FewestTrips();
    check.m_fastest = solution.Fastest();
    for (;;) {
        CListedTrip trip;
        const TripRead read = reader.Next(trip);
        if (read == TripRead::MALFORMED) {
            check.m_outcome = CheckOutcome::UNREADABLE;
            check.m_line = reader.Line();
            check.m_error = reader.Error();
            break;
        }
        if (read == TripRead::FAILED) {
            check.m_outcome = CheckOutcome::READ_FAILED;
            check.m_readError = reader.ReadError();
            break;
        }
        if (read == TripRead::END) {
            check.m_outcome = CheckOutcome::NOT_ACROSS;
            break;
        }
        const CPuzzleVerdict verdict = solution.Judge().Judge(check.m_state, trip.m_travellers, check.m_time);
        if (!verdict.IsAccepted()) {
            check.m_outcome = CheckOutcome::REFUSED;
            check.m_refused = trip;
            check.m_verdict = verdict;
            break;
        }
        check.m_state = verdict.m_after;
        check.m_time = verdict.m_time;
        ++check.m_trips;
    }
    const CContinuation remaining = solution.Continuation(check.m_state);
    check.m_remaining = remaining.m_trips;
    check.m_remainingTime = remaining.m_time;
    check.m_fits = solution.FitsInTime(check.m_state, check.m_time);
    if (check.m_outcome == CheckOutcome::NOT_ACROSS && check.m_remaining == 0)
        check.m_outcome = CheckOutcome::ACROSS;
    return check;
}

int CheckExitStatus(CheckOutcome outcome)
{
    switch (outcome) {
    case CheckOutcome::ACROSS:
        return EXIT_DONE;
    case CheckOutcome::NOT_ACROSS:
    case CheckOutcome::REFUSED:
        return EXIT_NOT_ACROSS;
    case CheckOutcome::UNREADABLE:
    case CheckOutcome::READ_FAILED:
        break;
    }
    return EXIT_USAGE;
}
