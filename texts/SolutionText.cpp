#include "SolutionText.h"

#include "CountText.h"
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

std::string FewestTripsLine(int trips)
{
    return std::string(FEWEST_TRIPS_LABEL) + " " + TripsText(trips);
}

std::string ShortestPlansLine(std::optional<std::uint64_t> plans)
{
    return std::string(SHORTEST_PLANS_LABEL) + " " + PlansText(plans);
}

std::string SolutionSummary(const CPuzzleSolution& solution)
{
    if (!solution.IsSolvable())
        return NoWayAcrossSentence();
    return FewestTripsLine(solution.FewestTrips()) + "・" + ShortestPlansLine(solution.ShortestPlans());
}

std::string NoWayAcrossSentence()
{
    return "この問題は渡りきれません。";
}
