#include "SolveReport.h"

#include "Arrangement.h"
#include "PathChecker.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace {

// The table as the dialog shows it: column headers, then one text per place.
const char* const kHeaders[] = {"phase",  "Ovrin", "Dastel", "Korrim", "Pellam", "Quen",  "Murtz",
                                "Sabbel", "Tovic", "Gummel", "Hesk",   "Nolby",  "Yarrit"};
const char* const kPlaceTexts[] = {"日本", "行き", "米国", "帰り"};
const char* const kFieldLabels[] = {"経過時間", "試行回数", "往復回数", "到着人数", "別解個数"};
constexpr int kFieldCount = 5;

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

int PlaceOfText(const std::string& text)
{
    for (int place = 0; place < 4; ++place) {
        if (text == kPlaceTexts[place])
            return place;
    }
    return -1;
}

bool IsDigits(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// A decimal count as "%d" prints it: no sign, no leading zero.
bool IsCount(const std::string& text)
{
    return IsDigits(text) && (text == "0" || text[0] != '0');
}

// "hh:mm:ss", hours of two or more digits, minutes and seconds below 60.
bool IsElapsedText(const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos || colon < 2 || text.size() != colon + 6 || text[colon + 3] != ':')
        return false;
    const std::string hours = text.substr(0, colon);
    const std::string minutes = text.substr(colon + 1, 2);
    const std::string seconds = text.substr(colon + 4, 2);
    return IsDigits(hours) && IsDigits(minutes) && IsDigits(seconds) && minutes[0] < '6' && seconds[0] < '6';
}

} // namespace

std::string ParseSolveReport(const std::string& text, SolveReport& report)
{
    report = SolveReport{};
    if (text.empty() || text.back() != '\n')
        return "the report does not end with a complete line";

    std::vector<std::string> lines;
    {
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
    }
    if (lines.size() < 1 + 1 + kFieldCount)
        return "the report has only " + std::to_string(lines.size()) + " lines";

    const std::vector<std::string> header = Words(lines[0]);
    if (header != std::vector<std::string>(std::begin(kHeaders), std::end(kHeaders)))
        return "unexpected header line '" + lines[0] + "'";

    const std::size_t firstField = lines.size() - kFieldCount;
    for (std::size_t index = 1; index < firstField; ++index) {
        const std::string& line = lines[index];
        const std::vector<std::string> cells = Words(line);
        const int step = static_cast<int>(index) - 1;
        if (cells.size() != 1 + TRAVELLER_COUNT)
            return "row " + std::to_string(index) + " has " + std::to_string(cells.size()) + " cells: '" + line + "'";
        if (cells[0] != std::to_string(step + 1))
            return "row " + std::to_string(index) + " is numbered '" + cells[0] + "'";
        std::string places;
        for (int t = 0; t < TRAVELLER_COUNT; ++t) {
            const int place = PlaceOfText(cells[1 + t]);
            if (place < 0)
                return "row " + std::to_string(index) + " has the cell text '" + cells[1 + t] + "'";
            places += static_cast<char>('0' + place);
        }
        const CCrossingState state = MakeArrangement(places);
        if (PlacesOf(state) != places)
            return "row " + std::to_string(index) + " (" + places + ") cannot be rebuilt";
        if (step == 0) {
            if (!state.Equals(CCrossingState()))
                return "the first row is not the initial arrangement: " + places;
        } else if (!report.path.Push(state)) {
            return "row " + std::to_string(index) + " (" + places + ") repeats an arrangement or overflows the path";
        }
        ++report.rows;
    }
    if (report.rows < 1)
        return "the table has no rows";

    std::string values[kFieldCount];
    for (int field = 0; field < kFieldCount; ++field) {
        const std::string& line = lines[firstField + field];
        const std::vector<std::string> words = Words(line);
        if (words.size() != 2 || words[0] != kFieldLabels[field])
            return "expected the field " + std::string(kFieldLabels[field]) + ", got '" + line + "'";
        values[field] = words[1];
    }

    report.elapsed = values[0];
    if (!IsElapsedText(report.elapsed))
        return "elapsed time '" + report.elapsed + "'";
    if (!IsCount(values[1]) || !IsCount(values[3]) || !IsCount(values[4]))
        return "a count field is not a count: " + values[1] + " " + values[3] + " " + values[4];
    report.trials = std::stoll(values[1]);
    report.roundTrips = values[2];
    report.arrived = std::stoi(values[3]);
    report.alternatives = std::stoll(values[4]);

    char roundTrips[32];
    std::snprintf(roundTrips, sizeof roundTrips, "%.1f", report.path.Top() / 4.0);
    if (report.roundTrips != roundTrips)
        return "round trips " + report.roundTrips + " for a table of " + std::to_string(report.rows) + " rows";
    if (report.arrived != report.path.ArrivedCount())
        return "arrived " + std::to_string(report.arrived) + " but the last row has " +
               std::to_string(report.path.ArrivedCount());

    const std::string fault = CheckPath(report.path);
    if (!fault.empty())
        return "the reported path is not legal: " + fault;
    return {};
}
