#include "SolutionText.h"

#include "DisplayText.h"
#include "puzzle/TripWords.h"

bool IsReportLabel(std::string_view word)
{
    for (int figure = 0; figure < FIGURE_COUNT; ++figure) {
        if (word == FigureLabel(figure))
            return true;
    }
    return word == FEWEST_TRIPS_LABEL || word == SHORTEST_PLANS_LABEL;
}

std::string TripLine(const CPuzzle& puzzle, int number, TravellerSet travellers)
{
    return std::to_string(number) + " " + DirectionWord(DirectionOfTrip(number)) + " " +
           NamesOf(puzzle, travellers, " ");
}

std::string FewestTripsText(int trips)
{
    return std::to_string(trips) + " 回";
}

std::string ShortestPlansText(std::optional<std::uint64_t> plans)
{
    if (!plans)
        return "数えきれません（2^64 通り以上）";
    return std::to_string(*plans) + " 通り";
}

std::string SolutionSummary(const CPuzzleSolution& solution)
{
    if (!solution.IsSolvable())
        return NoWayAcrossSentence();
    return std::string(FEWEST_TRIPS_LABEL) + " " + FewestTripsText(solution.FewestTrips()) + "・" +
           SHORTEST_PLANS_LABEL + " " + ShortestPlansText(solution.ShortestPlans());
}

std::string NoWayAcrossSentence()
{
    return "この問題は渡りきれません。";
}
