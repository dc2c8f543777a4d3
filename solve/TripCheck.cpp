#include "TripCheck.h"

#include "engine/ContinuationTable.h"

CTripCheck CheckTrips(CTripListReader& reader)
{
    CTripCheck check;
    check.m_shortest = ShortestContinuation(CCrossingState(), PLACE_START).m_trips;
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
        const CTripVerdict verdict = JudgeTrip(check.m_landed, check.m_boatSide, trip.m_travellers);
        if (!verdict.IsAccepted()) {
            check.m_outcome = CheckOutcome::REFUSED;
            check.m_refused = trip;
            check.m_verdict = verdict;
            break;
        }
        check.m_landed = verdict.m_landed;
        check.m_boatSide = BoatSideAfter(++check.m_trips);
    }
    check.m_remaining = ShortestContinuation(check.m_landed, check.m_boatSide).m_trips;
    if (check.m_outcome == CheckOutcome::NOT_ACROSS && check.m_remaining == 0)
        check.m_outcome = CheckOutcome::ACROSS;
    return check;
}

int CheckExitStatus(CheckOutcome outcome)
{
    switch (outcome) {
    case CheckOutcome::ACROSS:
        return 0;
    case CheckOutcome::NOT_ACROSS:
    case CheckOutcome::REFUSED:
        return 1;
    case CheckOutcome::UNREADABLE:
    case CheckOutcome::READ_FAILED:
        break;
    }
    return 2;
}
