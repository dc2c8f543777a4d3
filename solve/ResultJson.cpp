#include "ResultJson.h"

#include "JsonTexts.h"
#include "StopSignal.h"
#include "engine/PathTrips.h"
#include "puzzle/BuiltInPuzzle.h"
#include "texts/DisplayText.h"

void WriteResultJson(std::ostream& out, const CCrossingPath& path, const CSolverStatus& status, const CSearchEnd& end)
{
    // Each row's travellers come in the table's column order.
    Json rows = Json::array();
    for (int step = 0; step <= path.Top(); ++step) {
        const std::array<std::string, RESULT_COLUMN_COUNT> cells = PathRowTexts(path, step);
        Json row;
        // The step number as a number; the places as the table's texts.
        row[ColumnHeader(0)] = step + 1;
        for (int column = 1; column < RESULT_COLUMN_COUNT; ++column)
            row[ColumnHeader(column)] = cells[column];
        rows.push_back(std::move(row));
    }

    Json trips = Json::array();
    for (const CPathTrip& trip : TripsOf(path))
        trips.push_back(TripJson(BuiltInPuzzle(), static_cast<int>(trips.size()) + 1, trip.m_travellers));

    Json result;
    result["completed"] = end.m_completed;
    result["signal"] = end.m_signal != 0 ? Json(StopSignalName(end.m_signal)) : Json(nullptr);
    result["count_alternatives"] = status.m_countAlternatives != FALSE;
    result["elapsed"] = ElapsedText(status.m_startClock, status.m_lastClock);
    result["elapsed_seconds"] = ElapsedSeconds(status.m_startClock, status.m_lastClock);
    result["trials"] = static_cast<int>(status.m_trials);
    result["round_trips"] = RoundTrips(path.Top());
    result["arrived"] = path.ArrivedCount();
    result["alternatives"] = static_cast<int>(status.m_alternatives);
    result["path"] = std::move(rows);
    result["trips"] = std::move(trips);
    out << result.dump() << '\n';
}
