// Feeds any bytes to torvaly-solve --check as its list of trips, through the
// reader, check and reports the tool runs, and checks the answer: nothing read
// past the line that ended the check, an outcome and exit status that agree
// with the judge and with the arrangement reached, and reports that are one
// safe line or valid JSON. A violation aborts with a description.
//
// Built as a libFuzzer target with clang, and with any compiler together with
// tests/engine/fuzz/ReplayMain.cpp, which replays the corpus folder as a test.

#include "FuzzRequire.h"
#include "engine/SafeBoats.h"
#include "puzzle/BuiltInPuzzle.h"
#include "solve/CheckReport.h"
#include "solve/ExitStatus.h"
#include "solve/TripCheck.h"
#include "texts/RuleText.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

const char* const FUZZ_TARGET_NAME = "check fuzz";

namespace {

// The offset just past line number line (from 1), its line feed included.
long EndOfLine(const std::string& input, int line)
{
    std::size_t end = 0;
    for (int n = 0; n < line && end < input.size(); ++n)
        end = std::min(input.find('\n', end), input.size() - 1) + 1;
    return static_cast<long>(end);
}

bool IsSafeLine(const std::string& text)
{
    return !text.empty() && std::none_of(text.begin(), text.end(),
                                         [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

void RequireAgreement(const CTripCheck& check, const std::string& input, long consumed)
{
    const int status = CheckExitStatus(check.m_outcome);
    const CPuzzleSolution& solution = BuiltInSolution();
    Require(check.m_state.m_boatSide == BoatSideAfter(check.m_trips), "the boat is on the wrong side", check.m_trips);
    Require(check.m_remaining == solution.Continuation(check.m_state).m_trips, "remaining trips");
    const CListedTrip& trip = check.m_refused;
    switch (check.m_outcome) {
    case CheckOutcome::ACROSS:
    case CheckOutcome::NOT_ACROSS: {
        const bool across = check.m_outcome == CheckOutcome::ACROSS;
        Require(status == (across ? EXIT_DONE : EXIT_NOT_ACROSS), "the status of an accepted list", status);
        Require((check.m_state.m_across == ALL_TRAVELLERS) == across, "across or not, wrongly");
        Require(!across || check.m_trips >= check.m_shortest, "shorter than the shortest", check.m_trips);
        Require(consumed == static_cast<long>(input.size()), "an accepted list not read to its end", consumed);
        break;
    }
    case CheckOutcome::REFUSED: {
        Require(status == EXIT_NOT_ACROSS, "the status of a refusal", status);
        Require(trip.m_number == check.m_trips + 1, "the refused trip is misnumbered", trip.m_number);
        // The search's own tables do not take it either.
        const TravellerSet leaving = check.m_state.OnBoatSide(ALL_TRAVELLERS);
        const auto first = SAFE_BOATS + FIRST_SAFE_BOAT[leaving];
        const auto end = SAFE_BOATS + FIRST_SAFE_BOAT[leaving + 1];
        Require(!SAFE_GROUPS[ALL_TRAVELLERS & ~leaving] || std::find(first, end, trip.m_travellers) == end,
                "the search's tables take a refused trip");
        Require(!VerdictSentence(solution.Puzzle(), check.m_verdict).empty(), "a refusal without a sentence");
        Require(consumed <= EndOfLine(input, trip.m_line), "read past the refused trip", trip.m_line);
        break;
    }
    case CheckOutcome::UNREADABLE:
        Require(status == EXIT_USAGE, "the status of an unreadable line", status);
        Require(check.m_line >= 1 && IsSafeLine(check.m_error), "an unsafe error, or no line", check.m_line);
        Require(consumed <= EndOfLine(input, check.m_line), "read past the unreadable line", check.m_line);
        break;
    case CheckOutcome::READ_FAILED:
        Require(false, "reading from memory failed");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    std::FILE* in = fmemopen(input.data(), input.size(), "r");
    Require(in != nullptr, "fmemopen failed");
    CTripListReader reader(in, BuiltInPuzzle());
    const CTripCheck check = CheckTrips(reader, BuiltInSolution());
    const long consumed = std::ftell(in);
    std::fclose(in);
    RequireAgreement(check, input, consumed);

    if (check.m_outcome != CheckOutcome::UNREADABLE) {
        std::ostringstream json;
        WriteCheckJson(json, BuiltInPuzzle(), check); // throws, and so aborts, on text that is not UTF-8
        Require(IsSafeLine(CheckResultText(BuiltInPuzzle(), check)), "the report is not one safe line");
    }
    return 0;
}
