#include "AlikeTypes.h"

#include <algorithm>

namespace {

TravellerSet Swapped(TravellerSet set, int a, int b)
{
    const TravellerSet both = TravellerBit(a) | TravellerBit(b);
    const bool hasA = (set & TravellerBit(a)) != 0;
    const bool hasB = (set & TravellerBit(b)) != 0;
    return (set & ~both) | (hasA ? TravellerBit(b) : 0) | (hasB ? TravellerBit(a) : 0);
}

CSafetyRule Swapped(CSafetyRule rule, int a, int b)
{
    if (rule.m_subject == a || rule.m_subject == b)
        rule.m_subject = rule.m_subject == a ? b : a;
    rule.m_guards = Swapped(rule.m_guards, a, b);
    rule.m_others = Swapped(rule.m_others, a, b);
    rule.m_rivals = Swapped(rule.m_rivals, a, b);
    return rule;
}

// The first rule whose swapped form the collection lacks, counting
// repeated rules; 0 when swapping a and b leaves the rules as they are.
int RuleTellingApart(const CPuzzle& puzzle, int a, int b)
{
    const std::vector<CSafetyRule>& rules = puzzle.m_stated;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        const CSafetyRule swapped = Swapped(rules[i], a, b);
        if (std::count(rules.begin(), rules.end(), swapped) != std::count(rules.begin(), rules.end(), rules[i]))
            return FIRST_STATED_RULE + static_cast<int>(i);
    }
    return 0;
}

std::optional<CUnalike::What> Difference(const CPuzzle& puzzle, int a, int b)
{
    const auto entry = [](const std::vector<std::int64_t>& list, int t) {
        return list.empty() ? 0 : list[static_cast<std::size_t>(t)];
    };
    if (((puzzle.m_rowers >> a) & 1) != ((puzzle.m_rowers >> b) & 1))
        return CUnalike::What::ROWS;
    if (entry(puzzle.m_weights, a) != entry(puzzle.m_weights, b))
        return CUnalike::What::WEIGHT;
    if (entry(puzzle.m_times, a) != entry(puzzle.m_times, b))
        return CUnalike::What::TIME;
    return std::nullopt;
}

} // namespace

std::optional<CUnalike> FindUnalike(const CPuzzle& puzzle)
{
    for (int second = 1; second < puzzle.TravellerCount(); ++second) {
        if (puzzle.TypeOf(second).empty())
            continue;
        // Alike is an equivalence: comparing each with the first of its
        // type is enough.
        const auto first = static_cast<int>(
            std::find(puzzle.m_types.begin(), puzzle.m_types.end(), puzzle.TypeOf(second)) - puzzle.m_types.begin());
        if (first == second)
            continue;
        if (const std::optional<CUnalike::What> what = Difference(puzzle, first, second))
            return CUnalike{first, second, *what, 0};
        if (const int rule = RuleTellingApart(puzzle, first, second))
            return CUnalike{first, second, CUnalike::What::RULE, rule};
    }
    return std::nullopt;
}
