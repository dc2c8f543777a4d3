#include "ResultReport.h"

#include "engine/PathTrips.h"
#include "puzzle/BuiltInPuzzle.h"
#include "texts/DisplayText.h"
#include "texts/SolutionText.h"

namespace {

void WriteFigures(std::ostream& out, const CCrossingPath& path, const CSolverStatus& status)
{
    out << FigureLabel(FIGURE_ELAPSED) << ' ' << ElapsedText(status.m_startClock, status.m_lastClock) << '\n'
        << FigureLabel(FIGURE_TRIALS) << ' ' << static_cast<int>(status.m_trials) << '\n'
        << FigureLabel(FIGURE_ROUND_TRIPS) << ' ' << RoundTripsText(path.Top()) << '\n'
        << FigureLabel(FIGURE_ARRIVED) << ' ' << path.ArrivedCount() << '\n'
        << FigureLabel(FIGURE_ALTERNATIVES) << ' ' << static_cast<int>(status.m_alternatives) << '\n';
}

} // namespace

void WriteResultReport(std::ostream& out, const CCrossingPath& path, const CSolverStatus& status)
{
    for (int column = 0; column < RESULT_COLUMN_COUNT; ++column)
        out << (column ? " " : "") << ColumnHeader(column);
    out << '\n';

    for (int step = 0; step <= path.Top(); ++step) {
        const std::array<std::string, RESULT_COLUMN_COUNT> cells = PathRowTexts(path, step);
        for (int column = 0; column < RESULT_COLUMN_COUNT; ++column)
            out << (column ? " " : "") << cells[column];
        out << '\n';
    }
    WriteFigures(out, path, status);
}

void WriteTripsReport(std::ostream& out, const CCrossingPath& path, const CSolverStatus& status)
{
    int number = 0;
    for (const CPathTrip& trip : TripsOf(path))
        out << TripLine(BuiltInPuzzle(), ++number, trip.m_travellers) << '\n';
    WriteFigures(out, path, status);
}
