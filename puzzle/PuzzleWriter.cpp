#include "PuzzleWriter.h"

#include "PuzzleFormat.h"

// toml++ only formats values here, quoting and escaping strings as TOML
// wants them.
#include "TomlLibrary.h"

#include <sstream>

namespace {

class CPuzzleWriter {
public:
    explicit CPuzzleWriter(const CPuzzle& puzzle) : m_puzzle(puzzle) {}

    std::string Text()
    {
        m_out << "# " << m_puzzle.m_title << "\n";
        Key("title", toml::value<std::string>(m_puzzle.m_title));
        Key("banks", toml::array{m_puzzle.m_banks[0], m_puzzle.m_banks[1]});
        Key("seats", toml::value<std::int64_t>(m_puzzle.m_seats));
        Key("landings", toml::value<bool>(m_puzzle.m_landings));
        if (m_puzzle.HasLoad())
            Key("load", toml::value<std::int64_t>(m_puzzle.m_load));
        if (m_puzzle.m_timeLimit > 0)
            Key("time_limit", toml::value<std::int64_t>(m_puzzle.m_timeLimit));
        if (m_puzzle.m_timeUnit != DEFAULT_TIME_UNIT)
            Key("time_unit", toml::value<std::string>(m_puzzle.m_timeUnit));
        for (int traveller = 0; traveller < m_puzzle.TravellerCount(); ++traveller) {
            const auto index = static_cast<std::size_t>(traveller);
            m_out << "\n[[traveller]]\n";
            Key("name", toml::value<std::string>(m_puzzle.NameOf(traveller)));
            if (m_puzzle.m_rowers & TravellerBit(traveller))
                Key("rows", toml::value<bool>(true));
            if (m_puzzle.HasLoad())
                Key("weight", toml::value<std::int64_t>(m_puzzle.m_weights[index]));
            if (m_puzzle.HasTimes())
                Key("time", toml::value<std::int64_t>(m_puzzle.m_times[index]));
            if (!m_puzzle.TypeOf(traveller).empty())
                Key("type", toml::value<std::string>(m_puzzle.TypeOf(traveller)));
            if (!m_puzzle.LookOf(traveller).empty())
                Key("look", toml::value<std::string>(m_puzzle.LookOf(traveller)));
        }
        for (int rule = FIRST_STATED_RULE; rule <= m_puzzle.RuleCount(); ++rule)
            Rule(rule, m_puzzle.Rule(rule));
        return m_out.str();
    }

private:
    template <typename Value> void Key(std::string_view key, const Value& value)
    {
        m_out << key << " = " << value << "\n";
    }

    toml::array Names(TravellerSet travellers) const
    {
        toml::array names;
        for (int traveller = 0; traveller < m_puzzle.TravellerCount(); ++traveller) {
            if (travellers & TravellerBit(traveller))
                names.push_back(m_puzzle.NameOf(traveller));
        }
        return names;
    }

    void Rule(int number, const CSafetyRule& rule)
    {
        const CKindFormat& format = *KindFormatOf(rule.m_kind);
        m_out << "\n[[rule]] # " << number << "\n";
        Key("kind", toml::value<std::string>(std::string(format.m_name)));
        if (format.m_hasWho)
            Key("who", toml::value<std::string>(m_puzzle.NameOf(rule.m_subject)));
        for (const CSetKey& set : format.m_sets) {
            if (set.m_required || rule.*set.m_member != 0)
                Key(set.m_key, Names(rule.*set.m_member));
        }
        if (rule.m_where != RulePlace::EVERYWHERE)
            Key("where", toml::value<std::string>(std::string(WHERE_WORDS[static_cast<std::size_t>(rule.m_where)])));
    }

    const CPuzzle& m_puzzle;
    std::ostringstream m_out;
};

} // namespace

std::string PuzzleFileText(const CPuzzle& puzzle)
{
    return CPuzzleWriter(puzzle).Text();
}
