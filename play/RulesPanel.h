// The statement of a puzzle as a list, which a front end shows beside the
// picture: the boat's limits, then the rules as the judge numbers them, the
// rowers' rule first, then who is alike by type. A refused trip points at
// the line that refused it.
#pragma once

#include "puzzle/PuzzleJudge.h"

#include <string>
#include <vector>

struct CPanelLine {
    enum class Kind { SEATS, LOAD, TIME_LIMIT, RULE, TYPE };
    Kind m_kind = Kind::RULE;
    int m_rule = RULE_NONE; // RULE: its number, from 1
    std::string m_text;     // a sentence
};

std::vector<CPanelLine> RulesPanelOf(const CPuzzle& puzzle);

// The line of lines that verdict's refusal points at: the rule broken, or
// the limit passed; -1 for an accepted trip or a refusal of no line.
int RefusedLine(const std::vector<CPanelLine>& lines, const CPuzzleVerdict& verdict);
