#include "PuzzleWriter.h"

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
        for (int traveller = 0; traveller < m_puzzle.TravellerCount(); ++traveller) {
            m_out << "\n[[traveller]]\n";
            Key("name", toml::value<std::string>(m_puzzle.NameOf(traveller)));
            if (m_puzzle.m_rowers & TravellerBit(traveller))
                Key("rows", toml::value<bool>(true));
        }
        for (int rule = FIRST_STATED_RULE; rule <= m_puzzle.RuleCount(); ++rule)
            Rule(rule, m_puzzle.Rule(rule));
        return m_out.str();
    }

private:
    template <typename Value> void Key(const char* key, const Value& value) { m_out << key << " = " << value << "\n"; }

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
        m_out << "\n[[rule]] # " << number << "\n";
        Key("kind", toml::value<std::string>(RuleKindName(rule.m_kind)));
        if (rule.m_subject != NO_SUBJECT)
            Key("who", toml::value<std::string>(m_puzzle.NameOf(rule.m_subject)));
        switch (rule.m_kind) {
        case RuleKind::APART_UNLESS_GUARDED:
            Key("from", Names(rule.m_others));
            break;
        case RuleKind::WITH_ONE_OF:
            Key("of", Names(rule.m_others));
            break;
        case RuleKind::OUTNUMBERED:
            Key("group", Names(rule.m_others));
            Key("by", Names(rule.m_rivals));
            break;
        case RuleKind::OPERATOR:
        case RuleKind::ALONE_UNLESS_GUARDED:
            break;
        }
        if (rule.m_guards != 0)
            Key("unless", Names(rule.m_guards));
    }

    const CPuzzle& m_puzzle;
    std::ostringstream m_out;
};

} // namespace

std::string PuzzleFileText(const CPuzzle& puzzle)
{
    return CPuzzleWriter(puzzle).Text();
}
