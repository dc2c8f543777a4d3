// Feeds arbitrary bytes to torvaly-solve --check as its list of trips, through
// the same reader, checker and reports the tool runs, and checks what the
// tool would answer: nothing read past the line that ended the check, an
// exit status that says what the judge and the arrangement reached say, a
// refusal the judge repeats, and reports that are one safe line or valid
// JSON. Any violation aborts with a description on standard error.
//
// Built as a libFuzzer target with clang, and with any compiler together with
// tests/engine/fuzz/ReplayMain.cpp, which runs the corpus folder as a test.

#include "display/RuleText.h"
#include "engine/ContinuationTable.h"
#include "solve/CheckReport.h"
#include "solve/TripCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

void Require(bool condition, const char* what, long long a = 0, long long b = 0)
{
    if (condition)
        return;
    std::fprintf(stderr, "check fuzz: %s (%lld, %lld)\n", what, a, b);
    std::fflush(stderr);
    std::abort();
}

// The offset just past line number line (from 1) of input, its line feed
// included; the input's end when it has fewer lines.
std::size_t EndOfLine(const std::string& input, int line)
{
    std::size_t end = 0;
    for (int n = 0; n < line && end < input.size(); ++n) {
        const std::size_t feed = input.find('\n', end);
        end = feed == std::string::npos ? input.size() : feed + 1;
    }
    return end;
}

// The number of lines of input, a last one without its line feed included.
int LineCount(const std::string& input)
{
    const auto feeds = static_cast<int>(std::count(input.begin(), input.end(), '\n'));
    return feeds + (input.empty() || input.back() == '\n' ? 0 : 1);
}

bool HasControlBytes(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
}

void RequireConsistentOutcome(const CTripCheck& check, const std::string& input, long consumed)
{
    const int lines = LineCount(input);
    const int arrived = check.m_landed.CountAt(PLACE_ARRIVED);
    Require(check.m_trips >= 0 && check.m_trips <= lines, "more trips accepted than lines", check.m_trips, lines);
    Require(check.m_boatSide == BoatSideAfter(check.m_trips), "the boat is on the wrong side", check.m_trips);
    Require(check.m_landed.CountAt(PLACE_GOING) + check.m_landed.CountAt(PLACE_RETURNING) == 0,
            "somebody is left aboard");
    Require(check.m_remaining == ShortestContinuation(check.m_landed, check.m_boatSide).m_trips,
            "the trips remaining are not the continuation's", check.m_remaining);
    const int status = CheckExitStatus(check.m_outcome);

    switch (check.m_outcome) {
    case CheckOutcome::ACROSS:
        Require(status == 0, "across but not status 0", status);
        Require(arrived == TRAVELLER_COUNT, "across with travellers left", arrived);
        Require(check.m_trips % 2 == 1, "across after an even number of trips", check.m_trips);
        Require(check.m_trips >= check.m_shortest, "shorter than the shortest", check.m_trips, check.m_shortest);
        Require(consumed == static_cast<long>(input.size()), "across without reading everything", consumed);
        break;
    case CheckOutcome::NOT_ACROSS:
        Require(status == 1, "not across but not status 1", status);
        Require(arrived < TRAVELLER_COUNT, "everybody across, said not to be", arrived);
        Require(check.m_remaining != 0, "nothing remains, said not to be across");
        Require(consumed == static_cast<long>(input.size()), "ended without reading everything", consumed);
        break;
    case CheckOutcome::REFUSED: {
        Require(status == 1, "refused but not status 1", status);
        const CListedTrip& trip = check.m_refused;
        Require(trip.m_number == check.m_trips + 1, "the refused trip is misnumbered", trip.m_number);
        Require(trip.m_line >= trip.m_number && trip.m_line <= lines, "the refused trip's line", trip.m_line, lines);
        const CTripVerdict again = JudgeTrip(check.m_landed, check.m_boatSide, trip.m_travellers);
        Require(!again.IsAccepted() && again.m_answer == check.m_verdict.m_answer &&
                    again.m_rule == check.m_verdict.m_rule,
                "the judge does not refuse the trip the same way again");
        Require(!VerdictSentence(check.m_verdict).empty(), "a refusal without a sentence");
        Require(consumed <= static_cast<long>(EndOfLine(input, trip.m_line)), "read past the refused trip", consumed,
                trip.m_line);
        break;
    }
    case CheckOutcome::UNREADABLE:
        Require(status == 2, "unreadable but not status 2", status);
        Require(check.m_line >= 1 && check.m_line <= lines, "the unreadable line does not exist", check.m_line, lines);
        Require(!check.m_error.empty() && !HasControlBytes(check.m_error), "an unsafe or empty error");
        Require(consumed <= static_cast<long>(EndOfLine(input, check.m_line)), "read past the unreadable line",
                consumed, check.m_line);
        break;
    case CheckOutcome::READ_FAILED:
        Require(false, "reading from memory failed");
        break;
    }
}

void RequireSafeReports(const CTripCheck& check)
{
    if (check.m_outcome == CheckOutcome::UNREADABLE)
        return;
    std::ostringstream text;
    WriteCheckReport(text, check);
    const std::string line = text.str();
    Require(line.size() > 1 && line.find('\n') == line.size() - 1, "the report is not one line");
    Require(!HasControlBytes(line.substr(0, line.size() - 1)), "control bytes in the report");
    std::ostringstream json;
    WriteCheckJson(json, check); // throws, and so aborts, on text that is not UTF-8
    Require(json.str().find(line.substr(0, line.size() - 1)) != std::string::npos, "the JSON's message differs");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    std::FILE* in = fmemopen(input.data(), input.size(), "r");
    Require(in != nullptr, "fmemopen failed");
    CTripListReader reader(in);
    const CTripCheck check = CheckTrips(reader);
    const long consumed = std::ftell(in);
    std::fclose(in);
    RequireConsistentOutcome(check, input, consumed);
    RequireSafeReports(check);
    return 0;
}
