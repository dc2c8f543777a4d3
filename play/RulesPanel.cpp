#include "RulesPanel.h"

#include "texts/RuleText.h"

#include <algorithm>

std::vector<CPanelLine> RulesPanelOf(const CPuzzle& puzzle)
{
    std::vector<CPanelLine> lines;
    lines.push_back({CPanelLine::Kind::SEATS, RULE_NONE, SeatsSentence(puzzle)});
    if (puzzle.HasLoad())
        lines.push_back({CPanelLine::Kind::LOAD, RULE_NONE, LoadSentence(puzzle)});
    if (puzzle.m_timeLimit > 0)
        lines.push_back({CPanelLine::Kind::TIME_LIMIT, RULE_NONE, TimeLimitSentence(puzzle)});
    for (int rule = ROWERS_RULE; rule <= puzzle.RuleCount(); ++rule)
        lines.push_back({CPanelLine::Kind::RULE, rule, RuleSentence(puzzle, rule)});
    // Each type once, in the order of its first traveller.
    std::vector<std::string> types;
    for (int traveller = 0; traveller < puzzle.TravellerCount(); ++traveller) {
        const std::string& type = puzzle.TypeOf(traveller);
        if (!type.empty() && std::find(types.begin(), types.end(), type) == types.end()) {
            types.push_back(type);
            lines.push_back({CPanelLine::Kind::TYPE, RULE_NONE, TypeSentence(puzzle, type)});
        }
    }
    return lines;
}

int RefusedLine(const std::vector<CPanelLine>& lines, const CPuzzleVerdict& verdict)
{
    const auto lineWhere = [&](auto matches) {
        const auto found = std::find_if(lines.begin(), lines.end(), matches);
        return found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
    };
    const auto ofKind = [&](CPanelLine::Kind kind) {
        return lineWhere([&](const CPanelLine& line) { return line.m_kind == kind; });
    };
    switch (verdict.m_answer) {
    case TripAnswer::TOO_MANY_CHOSEN:
        return ofKind(CPanelLine::Kind::SEATS);
    case TripAnswer::TOO_HEAVY:
        return ofKind(CPanelLine::Kind::LOAD);
    case TripAnswer::OVER_TIME:
        return ofKind(CPanelLine::Kind::TIME_LIMIT);
    case TripAnswer::RULE_BROKEN:
        return lineWhere([&](const CPanelLine& line) {
            return line.m_kind == CPanelLine::Kind::RULE && line.m_rule == verdict.m_rule;
        });
    case TripAnswer::ACCEPTED:
    case TripAnswer::NOBODY_CHOSEN:
    case TripAnswer::NOT_ON_BOAT_SIDE:
        break;
    }
    return -1;
}
