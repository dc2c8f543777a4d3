// Reads back the result table that the dialog shows and torvaly-solve prints,
// through the display library's texts, so that tests can check it as a whole:
// the rows, or the trips, turned back into a path, and torvaly-solve's five
// fields, as text or as JSON; and what torvaly-solve --check --json says.
#pragma once

#include "engine/CrossingPath.h"

#include <string>
#include <vector>

// Reads rows of cells into path, from a fresh one. Each row holds the step
// number, then one place text per traveller. The rows must be numbered from 1,
// the first must be the initial arrangement, every other cell a place text,
// and the rows together a legal path for CheckPath. Returns "" when they
// are; otherwise describes the first fault.
std::string ReadTableRows(const std::vector<std::vector<std::string>>& rows, CCrossingPath& path);

// Reads trips into path as the rows they make, a boarding and a landing each,
// checked as ReadTableRows checks rows. Each trip holds its number from 1, its
// direction (the place text of those aboard, outbound for the odd trips) and
// the names of those who cross. Returns "" or the first fault.
std::string ReadTripRows(const std::vector<std::vector<std::string>>& trips, CCrossingPath& path);

struct CSolveReport {
    CCrossingPath m_path; // the table's rows, as ReadTableRows reads them
    int m_rows = 0;
    std::string m_elapsed; // "hh:mm:ss"
    long long m_trials = -1;
    std::string m_roundTrips;
    int m_arrived = -1;
    long long m_alternatives = -1;
};

// Parses a complete report of torvaly-solve: the header line and the table's
// rows, or (--trips) one line per trip for ReadTripRows, then exactly the five
// labelled fields in their order, and nothing else, every line's cells
// separated by single spaces. Returns "" and fills
// report when the text is such a report and agrees with itself (round trips
// and arrivals match the last row); otherwise describes the first fault.
std::string ParseSolveReport(const std::string& text, CSolveReport& report);

// What torvaly-solve --json says besides the report.
struct CSolveJson {
    CSolveReport m_report;
    bool m_completed = false;
    std::string m_signal; // "" for null
    bool m_countAlternatives = false;
    std::vector<std::string> m_fields; // the object's field names, in order
};

// Parses the output of torvaly-solve --json: one JSON object on one line,
// every field of its type, each row of the path an object with the table's
// column headers as names. The rows and figures are then read and checked as
// ParseSolveReport reads the text report, and the elapsed text must agree
// with the elapsed seconds, and the trips (objects of "trip", "direction" and
// "travellers") must make the same path. Returns "" and fills result when all
// holds; otherwise the first fault.
std::string ParseSolveJson(const std::string& text, CSolveJson& result);

// What torvaly-solve --check --json says; -1 stands for null.
struct CCheckJson {
    bool m_across = false;
    int m_accepted = -2;
    int m_shortest = -2;
    int m_remaining = -2;
    int m_rule = -2;        // of the trip refused: -1 for none refused, 0 for no rule
    int m_refusedLine = -2; // the line of the trip refused, -1 for none
    std::vector<std::string> m_fields;
};

std::string ParseCheckJson(const std::string& text, CCheckJson& result);

// The lines of a text, without their line feeds.
std::vector<std::string> SplitLines(const std::string& text);
