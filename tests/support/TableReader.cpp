#include "TableReader.h"

#include "Arrangement.h"
#include "PathChecker.h"
#include "SearchRun.h"
#include "texts/DisplayText.h"

#include <nlohmann/json.hpp>

#include <sstream>

namespace {

// The cells of a line between single spaces; a doubled, leading or trailing
// space gives an empty cell, which no check accepts.
std::vector<std::string> Cells(const std::string& line)
{
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t space; (space = line.find(' ', start)) != std::string::npos; start = space + 1)
        cells.push_back(line.substr(start, space - start));
    cells.push_back(line.substr(start));
    return cells;
}

std::string Joined(const std::vector<std::string>& cells)
{
    std::string line;
    for (const std::string& cell : cells)
        line += (line.empty() ? "" : " ") + cell;
    return line;
}

int PlaceOfText(const std::string& text)
{
    for (int place = PLACE_START; place < PLACE_UNKNOWN; ++place) {
        if (text == PlaceText(place))
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

std::string ReadTableRows(const std::vector<std::vector<std::string>>& rows, CCrossingPath& path)
{
    path = CCrossingPath();
    if (rows.empty())
        return "the table has no rows";
    for (std::size_t step = 0; step < rows.size(); ++step) {
        const std::vector<std::string>& cells = rows[step];
        const std::string row = "row " + std::to_string(step + 1);
        if (cells.size() != 1 + TRAVELLER_COUNT)
            return row + " has " + std::to_string(cells.size()) + " cells: '" + Joined(cells) + "'";
        if (cells[0] != StepNumberText(static_cast<int>(step)))
            return row + " is numbered '" + cells[0] + "'";
        std::string places;
        for (int t = 0; t < TRAVELLER_COUNT; ++t) {
            const int place = PlaceOfText(cells[1 + t]);
            if (place < 0)
                return row + " has the cell text '" + cells[1 + t] + "'";
            places += static_cast<char>('0' + place);
        }
        const CCrossingState state = MakeArrangement(places);
        if (PlacesOf(state) != places)
            return row + " (" + places + ") cannot be rebuilt";
        if (step == 0) {
            if (!state.Equals(CCrossingState()))
                return "the first row is not the initial arrangement: " + places;
        } else if (!path.Push(state)) {
            return row + " (" + places + ") repeats an arrangement or overflows the path";
        }
    }
    const std::string fault = CheckPath(path);
    if (!fault.empty())
        return "the table is not a legal path: " + fault;
    return {};
}

std::string ParseSolveReport(const std::string& text, CSolveReport& report)
{
    report = CSolveReport{};
    if (text.empty() || text.back() != '\n')
        return "the report does not end with a complete line";

    const std::vector<std::string> lines = SplitLines(text);
    if (lines.size() < 1 + FIGURE_COUNT)
        return "the report has only " + std::to_string(lines.size()) + " lines";

    // The table starts with its header line; the trips have none.
    std::vector<std::string> headers;
    for (int column = 0; column < RESULT_COLUMN_COUNT; ++column)
        headers.push_back(ColumnHeader(column));
    const bool table = Cells(lines[0]) == headers;

    const std::size_t firstField = lines.size() - FIGURE_COUNT;
    std::vector<std::vector<std::string>> rows;
    for (std::size_t index = table ? 1 : 0; index < firstField; ++index)
        rows.push_back(Cells(lines[index]));
    const std::string fault = table ? ReadTableRows(rows, report.m_path) : ReadTripRows(rows, report.m_path);
    if (!fault.empty())
        return fault;
    report.m_rows = report.m_path.Top() + 1;

    std::string values[FIGURE_COUNT];
    for (int field = 0; field < FIGURE_COUNT; ++field) {
        const std::string& line = lines[firstField + field];
        const std::vector<std::string> words = Cells(line);
        if (words.size() != 2 || words[0] != FigureLabel(field))
            return "expected the field " + std::string(FigureLabel(field)) + ", got '" + line + "'";
        values[field] = words[1];
    }

    report.m_elapsed = values[0];
    if (!IsElapsedText(report.m_elapsed))
        return "elapsed time '" + report.m_elapsed + "'";
    if (!IsCount(values[1]) || !IsCount(values[3]) || !IsCount(values[4]))
        return "a count field is not a count: " + values[1] + " " + values[3] + " " + values[4];
    report.m_trials = std::stoll(values[1]);
    report.m_roundTrips = values[2];
    report.m_arrived = std::stoi(values[3]);
    report.m_alternatives = std::stoll(values[4]);

    if (report.m_roundTrips != RoundTripsText(report.m_path.Top()))
        return "round trips " + report.m_roundTrips + " for a table of " + std::to_string(report.m_rows) + " rows";
    if (report.m_arrived != report.m_path.ArrivedCount())
        return "arrived " + std::to_string(report.m_arrived) + " but the last row has " +
               std::to_string(report.m_path.ArrivedCount());
    return {};
}

std::string ReadTripRows(const std::vector<std::vector<std::string>>& trips, CCrossingPath& path)
{
    // The places as digits, turned into the table's rows: the start, then
    // for each trip those aboard, then landed.
    std::string places(TRAVELLER_COUNT, '0' + PLACE_START);
    std::vector<std::vector<std::string>> rows;
    const auto addRow = [&] {
        rows.push_back({StepNumberText(static_cast<int>(rows.size()))});
        for (const char place : places)
            rows.back().push_back(PlaceText(place - '0'));
    };
    addRow();
    for (std::size_t index = 0; index < trips.size(); ++index) {
        const std::vector<std::string>& cells = trips[index];
        const int aboard = index % 2 == 0 ? PLACE_GOING : PLACE_RETURNING;
        if (cells.size() < 3 || cells.size() > 4 || cells[0] != std::to_string(index + 1) ||
            cells[1] != PlaceText(aboard))
            return "trip " + std::to_string(index + 1) + " reads '" + Joined(cells) + "'";
        for (std::size_t name = 2; name < cells.size(); ++name) {
            int traveller = 0;
            while (traveller < TRAVELLER_COUNT && cells[name] != TravellerName(traveller))
                ++traveller;
            if (traveller == TRAVELLER_COUNT)
                return "trip " + std::to_string(index + 1) + " names '" + cells[name] + "'";
            places[static_cast<std::size_t>(traveller)] = static_cast<char>('0' + aboard);
        }
        addRow();
        for (char& place : places)
            place = place == '0' + aboard ? static_cast<char>('0' + (aboard + 1) % PLACE_COUNT) : place;
        addRow();
    }
    return ReadTableRows(rows, path);
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string ParseSolveJson(const std::string& text, CSolveJson& result)
{
    using Json = nlohmann::ordered_json;
    result = CSolveJson{};
    if (text.empty() || text.find('\n') != text.size() - 1)
        return "the JSON is not one line";
    try {
        const Json object = Json::parse(text);
        for (const auto& field : object.items())
            result.m_fields.push_back(field.key());
        result.m_completed = object.at("completed").get<bool>();
        result.m_countAlternatives = object.at("count_alternatives").get<bool>();
        if (!object.at("signal").is_null())
            result.m_signal = object.at("signal").get<std::string>();

        // The same result written as the text report, for the one reader of
        // reports to read and check.
        std::vector<std::string> lines(1);
        for (int column = 0; column < RESULT_COLUMN_COUNT; ++column)
            lines[0] += std::string(column ? " " : "") + ColumnHeader(column);
        for (const Json& row : object.at("path")) {
            if (row.size() != RESULT_COLUMN_COUNT)
                return "a row of the path has " + std::to_string(row.size()) + " members: " + row.dump();
            lines.push_back(std::to_string(row.at(ColumnHeader(0)).get<unsigned>()));
            for (int column = 1; column < RESULT_COLUMN_COUNT; ++column) {
                // Appended in two steps: g++ 12 at -O3 wrongly warns of an
                // overlapping copy in " " + a temporary string.
                lines.back() += ' ';
                lines.back() += row.at(ColumnHeader(column)).get<std::string>();
            }
        }
        const std::string elapsed = object.at("elapsed").get<std::string>();
        if (ElapsedText(0, object.at("elapsed_seconds").get<std::int32_t>() * 1000) != elapsed)
            return "elapsed " + elapsed + " but " + object.at("elapsed_seconds").dump() + " seconds";
        const double quarters = object.at("round_trips").get<double>() * STEPS_PER_ROUND_TRIP;
        if (quarters != static_cast<int>(quarters))
            return "round trips " + object.at("round_trips").dump();
        const std::string figures[FIGURE_COUNT] = {
            elapsed,
            std::to_string(object.at("trials").get<unsigned>()),
            RoundTripsText(static_cast<int>(quarters)),
            std::to_string(object.at("arrived").get<unsigned>()),
            std::to_string(object.at("alternatives").get<unsigned>()),
        };
        for (int figure = 0; figure < FIGURE_COUNT; ++figure)
            lines.push_back(std::string(FigureLabel(figure)).append(" ").append(figures[figure]));
        std::string report;
        for (const std::string& line : lines)
            report += line + "\n";
        const std::string fault = ParseSolveReport(report, result.m_report);
        if (!fault.empty())
            return fault;

        // The trips must make the same path.
        std::vector<std::vector<std::string>> trips;
        for (const Json& trip : object.at("trips")) {
            if (trip.size() != 3)
                return "a trip has " + std::to_string(trip.size()) + " members: " + trip.dump();
            trips.push_back({std::to_string(trip.at("trip").get<unsigned>()), trip.at("direction").get<std::string>()});
            for (const Json& name : trip.at("travellers"))
                trips.back().push_back(name.get<std::string>());
        }
        CCrossingPath tripsPath;
        const std::string tripsFault = ReadTripRows(trips, tripsPath);
        if (!tripsFault.empty() || Rows(tripsPath) != Rows(result.m_report.m_path))
            return "the trips do not make the path: " + tripsFault;
        return {};
    } catch (const Json::exception& error) {
        return std::string("JSON: ") + error.what() + ": " + text;
    }
}

std::string ParseCheckJson(const std::string& text, CCheckJson& result)
{
    using Json = nlohmann::ordered_json;
    result = CCheckJson{};
    try {
        const Json object = Json::parse(text);
        for (const auto& field : object.items())
            result.m_fields.push_back(field.key());
        result.m_across = object.at("across").get<bool>();
        result.m_accepted = object.at("accepted").get<int>();
        result.m_shortest = object.at("shortest").is_null() ? -1 : object.at("shortest").get<int>();
        result.m_remaining = object.at("remaining").is_null() ? -1 : object.at("remaining").get<int>();
        const Json& refused = object.at("refused");
        result.m_rule = refused.is_null() ? -1 : refused.at("rule").is_null() ? 0 : refused.at("rule").get<int>();
        result.m_refusedLine = refused.is_null() ? -1 : refused.at("line").get<int>();
        return {};
    } catch (const Json::exception& error) {
        return std::string("JSON: ") + error.what() + ": " + text;
    }
}
