#include "PuzzleSession.h"

#include "ExitStatus.h"
#include "JsonTexts.h"
#include "platform/FlushOutput.h"
#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleLibrary.h"
#include "puzzle/PuzzleWriter.h"
#include "texts/SolutionText.h"

#include <cerrno>

namespace {

// The status of a run whose output was written, unless it could not be.
int Written(std::ostream& out, std::FILE* errOut, int status)
{
    return FlushOutput(out, SOLVE_PROGRAM_NAME, errOut) ? status : EXIT_FAILED;
}

Json PuzzleJson(const CPuzzle& puzzle)
{
    Json json;
    json["title"] = puzzle.m_title;
    json["banks"] = Json::array({puzzle.m_banks[0], puzzle.m_banks[1]});
    json["travellers"] = NamesJson(puzzle, puzzle.Everybody());
    json["rowers"] = NamesJson(puzzle, puzzle.m_rowers);
    json["seats"] = puzzle.m_seats;
    json["landings"] = puzzle.m_landings;
    return json;
}

void WriteSolutionJson(std::ostream& out, const CPuzzleSolution& solution)
{
    const CPuzzle& puzzle = solution.Puzzle();
    const std::optional<std::uint64_t> plans = solution.ShortestPlans();
    Json trips = Json::array();
    for (const TravellerSet trip : solution.FirstPlan())
        trips.push_back(TripJson(puzzle, static_cast<int>(trips.size()) + 1, trip));
    Json result;
    result["puzzle"] = PuzzleJson(puzzle);
    result["solvable"] = solution.IsSolvable();
    result["shortest"] = solution.IsSolvable() ? Json(solution.FewestTrips()) : Json(nullptr);
    result["shortest_plans"] = solution.IsSolvable() && plans ? Json(*plans) : Json(nullptr);
    result["shortest_plans_overflow"] = !plans.has_value();
    result["trips"] = std::move(trips);
    out << result.dump() << '\n';
}

void WriteSolutionReport(std::ostream& out, const CPuzzleSolution& solution)
{
    if (!solution.IsSolvable()) {
        out << NoWayAcrossSentence() << '\n';
        return;
    }
    int number = 0;
    for (const TravellerSet trip : solution.FirstPlan())
        out << TripLine(solution.Puzzle(), ++number, trip) << '\n';
    out << FewestTripsLine(solution.FewestTrips()) << '\n' << ShortestPlansLine(solution.ShortestPlans()) << '\n';
}

} // namespace

int RunPuzzleSession(const CSolveOptions& options, const CPuzzleSolution& solution, std::ostream& out,
                     std::FILE* errOut)
{
    errno = 0;
    if (options.m_json)
        WriteSolutionJson(out, solution);
    else
        WriteSolutionReport(out, solution);
    return Written(out, errOut, solution.IsSolvable() ? EXIT_DONE : EXIT_NOT_ACROSS);
}

int RunPrintPuzzle(const CPuzzle& puzzle, std::ostream& out, std::FILE* errOut)
{
    errno = 0;
    out << PuzzleFileText(puzzle);
    return Written(out, errOut, EXIT_DONE);
}

int RunPuzzleList(const CSolveOptions& options, const std::string& folder, std::ostream& out, std::FILE* errOut)
{
    int status = EXIT_DONE;
    Json list = Json::array();
    errno = 0;
    for (const CPuzzleEntry& entry : PuzzleEntries(folder)) {
        const CPuzzleReading reading = OpenPuzzle(entry.m_name, folder);
        if (!reading.IsRead()) {
            std::fprintf(errOut, "%s: %s\n", SOLVE_PROGRAM_NAME, reading.Reason().c_str());
            status = EXIT_USAGE;
            continue;
        }
        const CPuzzle& puzzle = reading.Puzzle();
        const CPuzzleSolution solution(puzzle);
        if (options.m_json) {
            Json item;
            item["name"] = entry.m_name;
            item["title"] = puzzle.m_title;
            item["travellers"] = puzzle.TravellerCount();
            item["shortest"] = solution.IsSolvable() ? Json(solution.FewestTrips()) : Json(nullptr);
            list.push_back(std::move(item));
            continue;
        }
        out << entry.m_name << '\t' << puzzle.m_title << '\t' << puzzle.TravellerCount() << " 人\t"
            << (solution.IsSolvable() ? FewestTripsLine(solution.FewestTrips()) : NoWayAcrossSentence()) << '\n';
    }
    if (options.m_json)
        out << list.dump() << '\n';
    return Written(out, errOut, status);
}
