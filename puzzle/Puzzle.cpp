#include "Puzzle.h"

#include <algorithm>

namespace {

const std::string NO_NAME;

} // namespace

namespace {

// The entry of a per-traveller list that may be empty.
template <typename Value> const Value& EntryOf(const std::vector<Value>& list, int traveller, const Value& none)
{
    return traveller >= 0 && static_cast<std::size_t>(traveller) < list.size()
               ? list[static_cast<std::size_t>(traveller)]
               : none;
}

} // namespace

bool CPuzzle::HasTypes() const
{
    for (const std::string& type : m_types) {
        if (!type.empty())
            return true;
    }
    return false;
}

std::int64_t CPuzzle::WeightOf(TravellerSet travellers) const
{
    std::int64_t weight = 0;
    for (int traveller = 0; traveller < TravellerCount() && HasLoad(); ++traveller) {
        if (travellers & TravellerBit(traveller))
            weight += m_weights[static_cast<std::size_t>(traveller)];
    }
    return weight;
}

std::int64_t CPuzzle::TimeOf(TravellerSet travellers) const
{
    if (!HasTimes())
        return 1;
    std::int64_t slowest = 0;
    for (int traveller = 0; traveller < TravellerCount(); ++traveller) {
        if (travellers & TravellerBit(traveller))
            slowest = std::max(slowest, m_times[static_cast<std::size_t>(traveller)]);
    }
    return slowest;
}

const std::string& CPuzzle::TypeOf(int traveller) const
{
    return EntryOf(m_types, traveller, NO_NAME);
}

const std::string& CPuzzle::LookOf(int traveller) const
{
    return EntryOf(m_looks, traveller, NO_NAME);
}

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
