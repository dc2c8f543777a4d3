#include "Puzzle.h"

namespace {

const std::string NO_NAME;

} // namespace

const std::string& CPuzzle::NameOf(int traveller) const
{
    return IsTraveller(traveller) ? m_names[static_cast<std::size_t>(traveller)] : NO_NAME;
}

int CPuzzle::TravellerNamed(std::string_view name) const
{
    for (int traveller = 0; traveller < TravellerCount(); ++traveller) {
        if (m_names[static_cast<std::size_t>(traveller)] == name)
            return traveller;
    }
    return -1;
}

const std::string& CPuzzle::BankName(int side) const
{
    return m_banks[side == PLACE_ARRIVED ? 1 : 0];
}

CSafetyRule CPuzzle::Rule(int rule) const
{
    if (rule == ROWERS_RULE)
        return {RuleKind::OPERATOR, NO_SUBJECT, 0, m_rowers};
    return m_stated.at(static_cast<std::size_t>(rule - FIRST_STATED_RULE));
}
