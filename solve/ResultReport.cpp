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

    out << FigureLabel(FIGURE_ELAPSED) << ' ' << ElapsedText(status.m_startClock, status.m_lastClock) << '\n'
        << FigureLabel(FIGURE_TRIALS) << ' ' << static_cast<int>(status.m_trials) << '\n'
        << FigureLabel(FIGURE_ROUND_TRIPS) << ' ' << RoundTripsText(path.Top()) << '\n'
        << FigureLabel(FIGURE_ARRIVED) << ' ' << path.ArrivedCount() << '\n'
        << FigureLabel(FIGURE_ALTERNATIVES) << ' ' << static_cast<int>(status.m_alternatives) << '\n';
}
