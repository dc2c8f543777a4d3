#include "BuiltInPuzzle.h"

namespace {

CPuzzle MakeBuiltInPuzzle()
{
    CPuzzle puzzle;
    puzzle.m_title = BUILT_IN_TITLE;
    puzzle.m_banks = {DEFAULT_BANKS[0], DEFAULT_BANKS[1]};
    puzzle.m_names.assign(BUILT_IN_NAMES.begin(), BUILT_IN_NAMES.end());
    puzzle.m_seats = 2;
    // Only the arrangement with the boat crossing is judged.
    puzzle.m_landings = false;
    for (int rule = 1; rule <= SAFETY_RULE_COUNT; ++rule) {
        const CSafetyRule& safetyRule = SafetyRule(rule);
        if (safetyRule.m_kind == RuleKind::OPERATOR)
            puzzle.m_rowers = safetyRule.m_others;
        else
            puzzle.m_stated.push_back(safetyRule);
    }
    return puzzle;
}

} // namespace

static_assert(OPERATOR_RULE == ROWERS_RULE,
              "the built-in puzzle's first rule is the rowers' rule, as every puzzle's is");

const CPuzzle& BuiltInPuzzle()
{
    static const CPuzzle s_puzzle = MakeBuiltInPuzzle();
    return s_puzzle;
}

const CPuzzleSolution& BuiltInSolution()
{
    static const CPuzzleSolution s_solution(BuiltInPuzzle());
    return s_solution;
}
