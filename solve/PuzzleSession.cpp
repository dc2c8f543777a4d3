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

// A count of plans, or null when there is no way across or it overflowed.
Json PlansJson(const CPuzzleSolution& solution, std::optional<std::uint64_t> plans)
{
    return solution.IsSolvable() && plans ? Json(*plans) : Json(nullptr);
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
    // The keys of the whole family, where the file gives them.
    if (puzzle.HasLoad())
        json["load"] = puzzle.m_load;
    if (puzzle.m_timeLimit > 0)
        json["time_limit"] = puzzle.m_timeLimit;
    if (puzzle.HasTimes())
        json["time_unit"] = puzzle.m_timeUnit;
    // Per traveller, by name, for those the file gives a value.
    const auto byName = [&](auto valueOf) {
        Json values = Json::object();
        for (int traveller = 0; traveller < puzzle.TravellerCount(); ++traveller) {
            const Json value = valueOf(traveller);
            if (!value.is_null())
                values[puzzle.NameOf(traveller)] = value;
        }
        return values;
    };
    const auto entry = [](const auto& list, int traveller) {
        return list.empty() ? Json(nullptr) : Json(list[static_cast<std::size_t>(traveller)]);
    };
    const auto text = [](const std::string& value) { return value.empty() ? Json(nullptr) : Json(value); };
    if (puzzle.HasLoad())
        json["weights"] = byName([&](int t) { return entry(puzzle.m_weights, t); });
    if (puzzle.HasTimes())
        json["times"] = byName([&](int t) { return entry(puzzle.m_times, t); });
    if (puzzle.HasTypes())
        json["types"] = byName([&](int t) { return text(puzzle.TypeOf(t)); });
    const Json looks = byName([&](int t) { return text(puzzle.LookOf(t)); });
    if (!looks.empty())
        json["looks"] = looks;
    return json;
}

void WriteSolutionJson(std::ostream& out, const CPuzzleSolution& solution)
{
    const CPuzzle& puzzle = solution.Puzzle();
    const std::optional<std::uint64_t> plans = solution.ShortestPlans();
    Json trips = Json::array();
    for (const TravellerSet trip : solution.FirstPlan())
        trips.push_back(TripJson(puzzle, static_cast<int>(trips.size()) + 1, trip));
    const bool timed = solution.IsTimed();
    const bool shortest = solution.IsSolvable() && !timed;
    const bool fastest = solution.IsSolvable() && timed;
    Json result;
    result["puzzle"] = PuzzleJson(puzzle);
    result["solvable"] = solution.IsSolvable();
    result["shortest"] = shortest ? Json(solution.FewestTrips()) : Json(nullptr);
    result["shortest_plans"] = shortest ? PlansJson(solution, plans) : Json(nullptr);
    result["shortest_plans_overflow"] = !timed && !plans.has_value();
    if (timed) {
        result["fastest"] = fastest ? Json(solution.Fastest()) : Json(nullptr);
        result["fastest_plans"] = PlansJson(solution, plans);
        result["fastest_plans_by_type"] = PlansJson(solution, solution.PlansByType());
        result["fastest_plans_overflow"] = !plans.has_value();
    } else {
        result["shortest_plans_by_type"] = PlansJson(solution, solution.PlansByType());
    }
    result["most_across"] = solution.MostAcross();
    result["trips"] = std::move(trips);
    out << result.dump() << '\n';
}

void WriteSolutionReport(std::ostream& out, const CPuzzleSolution& solution)
{
    if (!solution.IsSolvable()) {
        out << NoWayAcross(solution) << '\n';
        return;
    }
    int number = 0;
    for (const TravellerSet trip : solution.FirstPlan())
        out << TripLine(solution.Puzzle(), ++number, trip) << '\n';
    out << BestLine(solution) << '\n' << BestPlansLine(solution) << '\n';
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
            item["shortest"] =
                solution.IsSolvable() && !solution.IsTimed() ? Json(solution.FewestTrips()) : Json(nullptr);
            if (solution.IsTimed())
                item["fastest"] = solution.IsSolvable() ? Json(solution.Fastest()) : Json(nullptr);
            list.push_back(std::move(item));
            continue;
        }
        out << entry.m_name << '\t' << puzzle.m_title << '\t' << puzzle.TravellerCount() << " 人\t"
            << (solution.IsSolvable() ? BestLine(solution) : NoWayAcross(solution)) << '\n';
    }
    if (options.m_json)
        out << list.dump() << '\n';
    return Written(out, errOut, status);
}
