#include "ResultReport.h"

#include "display/DisplayText.h"

void WriteResultReport(std::ostream& out, const CCrossingPath& path, const CSolverStatus& status)
{
    for (int column = 0; column < RESULT_COLUMN_COUNT; ++column)
        out << (column ? " " : "") << ColumnHeader(column);
    out << '\n';

    for (int step = 0; step <= path.Top(); ++step) {
        out << StepNumberText(step);
        for (int traveller = 0; traveller < TRAVELLER_COUNT; ++traveller)
            out << ' ' << PlaceText(path.GetPlaceAt(step, traveller));
        out << '\n';
    }

    out << "経過時間 " << ElapsedText(status.m_startClock, status.m_lastClock) << '\n'
        << "試行回数 " << static_cast<int>(status.m_trials) << '\n'
        << "往復回数 " << RoundTripsText(path.Top()) << '\n'
        << "到着人数 " << path.ArrivedCount() << '\n'
        << "別解個数 " << static_cast<int>(status.m_alternatives) << '\n';
}
