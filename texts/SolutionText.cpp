#include "SolutionText.h"

#include "CountText.h"
#include "DisplayText.h"
#include "puzzle/TripWords.h"

namespace {

// "2 通り", with "（種類で数えると 1 通り）" where types are declared.
std::string PlansWithTypes(const CPuzzleSolution& solution)
{
    std::string plans = PlansText(solution.ShortestPlans());
    if (solution.Puzzle().HasTypes())
        plans += "（種類で数えると " + PlansText(solution.PlansByType()) + "）";
    return plans;
}

std::string FastestText(const CPuzzleSolution& solution)
{
    return std::string(FASTEST_LABEL) + " " + TimeText(solution.Fastest(), solution.Puzzle().m_timeUnit);
}

} // namespace

bool IsReportLabel(std::string_view word)
{
    for (int figure = 0; figure < FIGURE_COUNT; ++figure) {
        if (word == FigureLabel(figure))
            return true;
    }
    for (const char* label : {FEWEST_TRIPS_LABEL, SHORTEST_PLANS_LABEL, FASTEST_LABEL, FASTEST_PLANS_LABEL}) {
        if (word == label)
            return true;
    }
    return false;
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

std::string BestLine(const CPuzzleSolution& solution)
{
    if (!solution.IsTimed())
        return FewestTripsLine(solution.FewestTrips());
    return FastestText(solution) + "（" + TripsText(solution.FewestTrips()) + "）";
}

std::string BestPlansLine(const CPuzzleSolution& solution)
{
    return std::string(solution.IsTimed() ? FASTEST_PLANS_LABEL : SHORTEST_PLANS_LABEL) + " " +
           PlansWithTypes(solution);
}

std::string BestText(const CPuzzleSolution& solution)
{
    if (!solution.IsSolvable())
        return "渡りきれません";
    return solution.IsTimed() ? FastestText(solution) : FewestTripsLine(solution.FewestTrips());
}

std::string PuzzleLabel(const CPuzzleSolution& solution)
{
    return solution.Puzzle().m_title + " — " + BestText(solution);
}

std::string SolutionSummary(const CPuzzleSolution& solution)
{
    if (!solution.IsSolvable())
        return NoWayAcross(solution);
    const std::string best = solution.IsTimed() ? FastestText(solution) : FewestTripsLine(solution.FewestTrips());
    return best + "・" + BestPlansLine(solution);
}

std::string NoWayAcross(const CPuzzleSolution& solution)
{
    const CPuzzle& puzzle = solution.Puzzle();
    return "この問題は渡りきれません。" + puzzle.BankName(PLACE_ARRIVED) + "に渡れるのは最も多くて " +
           std::to_string(solution.MostAcross()) + " 人です。";
}
