#include "PuzzleReader.h"

#include "AlikeTypes.h"
#include "PuzzleFormat.h"
#include "TripWords.h"
#include "platform/ArgumentEcho.h"
#include "platform/Utf8.h"

#include "TomlLibrary.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace {

// The first problem found, and where: line 0 has no place.
struct CProblem {
    toml::source_position m_at{};
    CReason m_reason;
};
using Found = std::optional<CProblem>;

// An argument of a reason: one word, or a list.
using Argument = std::vector<std::string>;

// A name or a key, echoed safely.
Argument Echo(std::string_view text)
{
    return {EchoedArgument(text)};
}

Argument Number(std::int64_t number)
{
    return {std::to_string(number)};
}

// The kinds of rule a file may name.
Argument KindNames()
{
    Argument names;
    for (const CKindFormat& format : KindFormats())
        names.emplace_back(format.m_name);
    return names;
}

Found At(const toml::node& node, ReadingFault fault, std::vector<Argument> arguments = {})
{
    return CProblem{node.source().begin, {fault, std::move(arguments)}};
}

Found Nowhere(ReadingFault fault, std::vector<Argument> arguments = {})
{
    return CProblem{{}, {fault, std::move(arguments)}};
}

bool Before(const toml::source_position& a, const toml::source_position& b)
{
    return a.line < b.line || (a.line == b.line && a.column < b.column);
}

// The key of table first in the text that is not one of keys: fault names
// where, with kind as its second argument when it has one.
Found UnknownKey(const toml::table& table, std::span<const std::string_view> keys, ReadingFault fault,
                 std::string_view kind = "")
{
    const toml::key* first = nullptr;
    for (auto&& [key, node] : table) {
        if (std::find(keys.begin(), keys.end(), key.str()) == keys.end() &&
            (first == nullptr || Before(key.source().begin, first->source().begin)))
            first = &key;
    }
    if (first == nullptr)
        return std::nullopt;
    std::vector<Argument> arguments = {Echo(first->str())};
    if (!kind.empty())
        arguments.push_back(Echo(kind));
    arguments.push_back(Argument(keys.begin(), keys.end()));
    return CProblem{first->source().begin, {fault, std::move(arguments)}};
}

// A title that keeps a title's rules, made from any text, such as a file's
// name: its control characters dropped, bytes that are not UTF-8 replaced,
// and shortened with "…" to at most MAX_TITLE_BYTES.
std::string TitleFrom(std::string_view text)
{
    constexpr std::string_view ELLIPSIS = "…";
    constexpr std::string_view REPLACEMENT = "\ufffd";
    std::string title;
    std::size_t fits = 0; // the bytes that leave room for the ellipsis
    while (!text.empty()) {
        const std::size_t length = Utf8Length(text);
        const std::string_view character = length == 0 ? REPLACEMENT : text.substr(0, length);
        const char32_t code = TakeCodePoint(text);
        if (IsControl(code) || IsInvisibleFormat(code))
            continue;
        if (title.size() + character.size() > MAX_TITLE_BYTES)
            return title.substr(0, fits).append(ELLIPSIS);
        title.append(character);
        if (title.size() + ELLIPSIS.size() <= MAX_TITLE_BYTES)
            fits = title.size();
    }
    return title.empty() ? std::string(UNTITLED) : title;
}

// A text of one line: a title or a bank's name.
Found CheckLabel(const toml::node& node, std::string_view key, std::size_t limit, const std::string*& text)
{
    text = node.is_string() ? &node.as_string()->get() : nullptr;
    if (text == nullptr)
        return At(node, ReadingFault::NOT_A_STRING, {Echo(key)});
    if (text->empty())
        return At(node, ReadingFault::EMPTY, {Echo(key)});
    if (text->size() > limit)
        return At(node, ReadingFault::TOO_LONG, {Echo(key), Number(static_cast<std::int64_t>(limit))});
    if (AnyCodePoint(*text, IsControl))
        return At(node, ReadingFault::CONTROL_CHARACTER, {Echo(key)});
    if (AnyCodePoint(*text, IsInvisibleFormat))
        return At(node, ReadingFault::INVISIBLE_CHARACTER, {Echo(key)});
    return std::nullopt;
}

// A traveller's name: a word that a list of trips reads as this name and
// nothing else.
Found CheckName(const toml::node& node, const std::string*& name)
{
    name = node.is_string() ? &node.as_string()->get() : nullptr;
    if (name == nullptr)
        return At(node, ReadingFault::NAME_NOT_A_STRING);
    const Argument echoed = Echo(*name);
    switch (NameFaultOf(*name)) {
    case NameFault::NONE:
        return std::nullopt;
    case NameFault::EMPTY:
        return At(node, ReadingFault::NAME_EMPTY);
    case NameFault::TOO_LONG:
        return At(node, ReadingFault::NAME_TOO_LONG, {echoed, Number(static_cast<std::int64_t>(MAX_NAME_BYTES))});
    case NameFault::BLANK_OR_CONTROL:
        return At(node, ReadingFault::NAME_BLANK, {echoed});
    case NameFault::INVISIBLE:
        return At(node, ReadingFault::NAME_INVISIBLE, {echoed});
    case NameFault::COMMENT:
        return At(node, ReadingFault::NAME_COMMENT, {echoed});
    case NameFault::NUMBER:
        return At(node, ReadingFault::NAME_NUMBER, {echoed});
    case NameFault::DIRECTION:
        return At(node, ReadingFault::NAME_DIRECTION, {echoed});
    }
    return std::nullopt;
}

class CPuzzleParser {
public:
    CPuzzleParser(const toml::table& root, CPuzzle& puzzle) : m_root(root), m_puzzle(puzzle) {}

    Found Parse()
    {
        if (Found problem = UnknownKey(m_root, TOP_KEYS, ReadingFault::UNKNOWN_TOP_KEY))
            return problem;
        // In this order: the rules name the travellers.
        for (Found (CPuzzleParser::*read)() :
             {&CPuzzleParser::ReadTitle, &CPuzzleParser::ReadBanks, &CPuzzleParser::ReadSeats,
              &CPuzzleParser::ReadLandings, &CPuzzleParser::ReadLimits, &CPuzzleParser::ReadTravellers,
              &CPuzzleParser::ReadRules, &CPuzzleParser::CheckTypes}) {
            if (Found problem = (this->*read)())
                return problem;
        }
        return std::nullopt;
    }

private:
    Found ReadTitle()
    {
        const toml::node* node = m_root.get("title");
        if (node == nullptr)
            return std::nullopt;
        const std::string* title = nullptr;
        if (Found problem = CheckLabel(*node, "title", MAX_TITLE_BYTES, title))
            return problem;
        m_puzzle.m_title = *title;
        return std::nullopt;
    }

    Found ReadBanks()
    {
        const toml::node* node = m_root.get("banks");
        if (node == nullptr)
            return std::nullopt;
        const toml::array* banks = node->as_array();
        if (banks == nullptr || banks->size() != 2)
            return At(*node, ReadingFault::BANKS_NOT_TWO);
        for (std::size_t side = 0; side < 2; ++side) {
            const std::string* name = nullptr;
            if (Found problem = CheckLabel(*banks->get(side), "banks", MAX_NAME_BYTES, name))
                return problem;
            m_puzzle.m_banks[side] = *name;
        }
        if (m_puzzle.m_banks[0] == m_puzzle.m_banks[1])
            return At(*banks->get(1), ReadingFault::BANKS_SAME);
        return std::nullopt;
    }

    Found ReadSeats()
    {
        const toml::node* node = m_root.get("seats");
        if (node == nullptr)
            return std::nullopt;
        const std::optional<std::int64_t> seats = node->value_exact<std::int64_t>();
        if (!seats || *seats < 1 || *seats > MAX_SEATS)
            return At(*node, ReadingFault::NOT_WHOLE, {Echo("seats"), Number(MAX_SEATS)});
        m_puzzle.m_seats = static_cast<int>(*seats);
        return std::nullopt;
    }

    Found ReadLandings()
    {
        const toml::node* node = m_root.get("landings");
        if (node == nullptr)
            return std::nullopt;
        if (!node->is_boolean())
            return At(*node, ReadingFault::NOT_TRUE_OR_FALSE, {Echo("landings")});
        m_puzzle.m_landings = node->as_boolean()->get();
        return std::nullopt;
    }

    // A whole number from 1 to most.
    static Found ReadWhole(const toml::node& node, std::string_view key, std::int64_t most, std::int64_t& value)
    {
        const std::optional<std::int64_t> whole = node.value_exact<std::int64_t>();
        if (!whole || *whole < 1 || *whole > most)
            return At(node, ReadingFault::NOT_WHOLE, {Echo(key), Number(most)});
        value = *whole;
        return std::nullopt;
    }

    // The load, the time limit and the unit of time.
    Found ReadLimits()
    {
        if (const toml::node* load = m_root.get("load")) {
            if (Found problem = ReadWhole(*load, "load", MAX_LIMIT, m_puzzle.m_load))
                return problem;
        }
        if (const toml::node* limit = m_root.get("time_limit")) {
            if (Found problem = ReadWhole(*limit, "time_limit", MAX_LIMIT, m_puzzle.m_timeLimit))
                return problem;
        }
        if (const toml::node* unit = m_root.get("time_unit")) {
            const std::string* text = nullptr;
            if (Found problem = CheckLabel(*unit, "time_unit", MAX_NAME_BYTES, text))
                return problem;
            m_puzzle.m_timeUnit = *text;
        }
        return std::nullopt;
    }

    // A traveller's weight, time, type and look; m_puzzle's lists hold
    // every earlier traveller's.
    Found ReadMeasures(const toml::table& traveller)
    {
        const std::size_t count = m_puzzle.m_names.size();
        const toml::node* weight = traveller.get("weight");
        if (weight != nullptr && !m_puzzle.HasLoad())
            return At(*weight, ReadingFault::WEIGHT_WITHOUT_LOAD);
        if (weight == nullptr && m_puzzle.HasLoad())
            return At(traveller, ReadingFault::WEIGHT_MISSING);
        if (weight != nullptr) {
            m_puzzle.m_weights.push_back(0);
            if (Found problem = ReadWhole(*weight, "weight", MAX_MEASURE, m_puzzle.m_weights.back()))
                return problem;
        }
        const toml::node* time = traveller.get("time");
        if (time != nullptr && count > 0 && m_puzzle.m_times.empty())
            return At(*time, ReadingFault::TIME_FOR_SOME);
        if (time == nullptr && !m_puzzle.m_times.empty())
            return At(traveller, ReadingFault::TIME_MISSING);
        if (time != nullptr) {
            m_puzzle.m_times.push_back(0);
            if (Found problem = ReadWhole(*time, "time", MAX_MEASURE, m_puzzle.m_times.back()))
                return problem;
        }
        m_puzzle.m_types.emplace_back();
        if (const toml::node* type = traveller.get("type")) {
            const std::string* text = nullptr;
            if (Found problem = CheckLabel(*type, "type", MAX_NAME_BYTES, text))
                return problem;
            m_puzzle.m_types.back() = *text;
        }
        m_puzzle.m_looks.emplace_back();
        if (const toml::node* look = traveller.get("look")) {
            // Not a label: an emoji may join its parts with U+200D.
            const std::string* text = look->is_string() ? &look->as_string()->get() : nullptr;
            if (text == nullptr || text->empty() || text->size() > MAX_LOOK_BYTES ||
                AnyCodePoint(*text, [](char32_t c) {
                    return IsWhiteSpace(c) || IsControl(c) || (IsInvisibleFormat(c) && c != U'\u200d');
                }))
                return At(*look, ReadingFault::BAD_LOOK, {Number(static_cast<std::int64_t>(MAX_LOOK_BYTES))});
            m_puzzle.m_looks.back() = *text;
        }
        return std::nullopt;
    }

    // An array of tables, written [[key]]; none when absent.
    Found TablesOf(std::string_view key, const toml::array*& tables)
    {
        const toml::node* node = m_root.get(key);
        tables = node != nullptr ? node->as_array() : nullptr;
        if (node == nullptr)
            return std::nullopt;
        if (tables == nullptr || !tables->is_array_of_tables())
            return At(*node, ReadingFault::NOT_TABLES, {Echo(key)});
        return std::nullopt;
    }

    Found ReadTravellers()
    {
        const toml::array* travellers = nullptr;
        if (Found problem = TablesOf("traveller", travellers))
            return problem;
        if (travellers == nullptr || travellers->empty())
            return Nowhere(ReadingFault::NO_TRAVELLERS, {Number(MAX_TRAVELLERS)});
        for (const toml::node& node : *travellers) {
            const toml::table& traveller = *node.as_table();
            if (m_puzzle.TravellerCount() == MAX_TRAVELLERS)
                return At(traveller, ReadingFault::TOO_MANY_TRAVELLERS, {Number(MAX_TRAVELLERS)});
            if (Found problem = UnknownKey(traveller, TRAVELLER_KEYS, ReadingFault::UNKNOWN_TRAVELLER_KEY))
                return problem;
            const toml::node* nameNode = traveller.get("name");
            if (nameNode == nullptr)
                return At(traveller, ReadingFault::NAME_MISSING);
            const std::string* name = nullptr;
            if (Found problem = CheckName(*nameNode, name))
                return problem;
            if (m_puzzle.TravellerNamed(*name) >= 0)
                return At(*nameNode, ReadingFault::NAME_TWICE, {Echo(*name)});
            if (const toml::node* rows = traveller.get("rows")) {
                if (!rows->is_boolean())
                    return At(*rows, ReadingFault::NOT_TRUE_OR_FALSE, {Echo("rows")});
                if (rows->as_boolean()->get())
                    m_puzzle.m_rowers |= TravellerBit(m_puzzle.TravellerCount());
            }
            if (Found problem = ReadMeasures(traveller))
                return problem;
            m_puzzle.m_names.push_back(*name);
        }
        if (m_puzzle.m_timeLimit > 0 && !m_puzzle.HasTimes())
            return At(*m_root.get("time_limit"), ReadingFault::LIMIT_WITHOUT_TIMES);
        if (!m_puzzle.HasTypes())
            m_puzzle.m_types.clear();
        if (std::all_of(m_puzzle.m_looks.begin(), m_puzzle.m_looks.end(), [](const auto& l) { return l.empty(); }))
            m_puzzle.m_looks.clear();
        if (m_puzzle.m_rowers == 0)
            return Nowhere(ReadingFault::NOBODY_ROWS);
        return std::nullopt;
    }

    // The traveller named by a string.
    Found TravellerOf(const toml::node& node, int& traveller)
    {
        const std::string* name = node.is_string() ? &node.as_string()->get() : nullptr;
        if (name == nullptr)
            return At(node, ReadingFault::NOT_A_NAME_STRING);
        traveller = m_puzzle.TravellerNamed(*name);
        if (traveller < 0)
            return At(node, ReadingFault::NOT_A_TRAVELLER, {Echo(*name)});
        return std::nullopt;
    }

    // A rule's key that names one traveller.
    Found ReadWho(const toml::table& rule, std::string_view kind, int& who)
    {
        const toml::node* node = rule.get("who");
        if (node == nullptr)
            return At(rule, ReadingFault::RULE_NEEDS_KEY, {Echo(kind), Echo("who")});
        return TravellerOf(*node, who);
    }

    // A rule's key that names travellers in an array: at least one when
    // required, none when absent and not required; never its subject.
    Found ReadSet(const toml::table& rule, std::string_view kind, std::string_view key, bool required, int subject,
                  TravellerSet& set)
    {
        set = 0;
        const toml::node* node = rule.get(key);
        if (node == nullptr) {
            if (!required)
                return std::nullopt;
            return At(rule, ReadingFault::RULE_NEEDS_KEY, {Echo(kind), Echo(key)});
        }
        const toml::array* names = node->as_array();
        if (names == nullptr)
            return At(*node, ReadingFault::NOT_AN_ARRAY_OF_NAMES, {Echo(key)});
        if (required && names->empty())
            return At(*node, ReadingFault::NAMES_NOBODY, {Echo(key)});
        for (const toml::node& name : *names) {
            int traveller = -1;
            if (Found problem = TravellerOf(name, traveller))
                return problem;
            const Argument named = Echo(m_puzzle.NameOf(traveller));
            if (traveller == subject)
                return At(name, ReadingFault::SUBJECT_IN_SET, {named, Echo(key)});
            if (set & TravellerBit(traveller))
                return At(name, ReadingFault::NAMED_TWICE, {named, Echo(key)});
            set |= TravellerBit(traveller);
        }
        return std::nullopt;
    }

    Found ReadRule(const toml::table& table, CSafetyRule& rule)
    {
        const toml::node* kindNode = table.get("kind");
        if (kindNode == nullptr)
            return At(table, ReadingFault::KIND_MISSING, {KindNames()});
        const std::string_view kind = kindNode->value<std::string_view>().value_or("");
        const CKindFormat* format = KindFormatNamed(kind);
        if (format == nullptr) {
            if (!kindNode->is_string())
                return At(*kindNode, ReadingFault::UNKNOWN_KIND, {KindNames()});
            return At(*kindNode, ReadingFault::UNKNOWN_KIND_NAMED, {Echo(kind), KindNames()});
        }

        std::vector<std::string_view> keys = {"kind", "where"};
        if (format->m_hasWho)
            keys.push_back("who");
        for (const CSetKey& set : format->m_sets)
            keys.push_back(set.m_key);
        if (Found problem = UnknownKey(table, keys, ReadingFault::UNKNOWN_RULE_KEY, kind))
            return problem;
        rule = {format->m_kind, NO_SUBJECT, 0, 0};
        if (format->m_hasWho) {
            if (Found problem = ReadWho(table, kind, rule.m_subject))
                return problem;
        }
        for (const CSetKey& set : format->m_sets) {
            if (Found problem = ReadSet(table, kind, set.m_key, set.m_required, rule.m_subject, rule.*set.m_member))
                return problem;
        }
        if (const toml::node* where = table.get("where")) {
            const std::string_view word = where->value<std::string_view>().value_or("");
            const auto known = std::find(std::begin(WHERE_WORDS), std::end(WHERE_WORDS), word);
            if (known == std::end(WHERE_WORDS))
                return At(*where, ReadingFault::BAD_WHERE);
            rule.m_where = static_cast<RulePlace>(known - std::begin(WHERE_WORDS));
        }
        if (const TravellerSet both = rule.m_others & rule.m_rivals)
            return At(*table.get("by"), ReadingFault::IN_GROUP_AND_BY, {Echo(m_puzzle.NameOf(std::countr_zero(both)))});
        return std::nullopt;
    }

    Found ReadRules()
    {
        const toml::array* rules = nullptr;
        if (Found problem = TablesOf("rule", rules))
            return problem;
        if (rules == nullptr)
            return std::nullopt;
        for (const toml::node& node : *rules) {
            CSafetyRule rule;
            if (Found problem = ReadRule(*node.as_table(), rule))
                return problem;
            m_puzzle.m_stated.push_back(rule);
        }
        return std::nullopt;
    }

    // Travellers of one type are alike.
    Found CheckTypes()
    {
        const std::optional<CUnalike> unalike = FindUnalike(m_puzzle);
        if (!unalike)
            return std::nullopt;
        std::vector<Argument> arguments = {Echo(m_puzzle.NameOf(unalike->m_first)),
                                           Echo(m_puzzle.NameOf(unalike->m_second)),
                                           Echo(m_puzzle.TypeOf(unalike->m_second))};
        ReadingFault fault = ReadingFault::UNALIKE_BY_RULE;
        switch (unalike->m_what) {
        case CUnalike::What::ROWS:
            fault = ReadingFault::UNALIKE_ROWS;
            break;
        case CUnalike::What::WEIGHT:
            fault = ReadingFault::UNALIKE_WEIGHTS;
            break;
        case CUnalike::What::TIME:
            fault = ReadingFault::UNALIKE_TIMES;
            break;
        case CUnalike::What::RULE:
            arguments.push_back(Number(unalike->m_rule));
            break;
        }
        const toml::node& type = *m_root.get("traveller")
                                      ->as_array()
                                      ->get(static_cast<std::size_t>(unalike->m_second))
                                      ->as_table()
                                      ->get("type");
        return At(type, fault, std::move(arguments));
    }

    const toml::table& m_root;
    CPuzzle& m_puzzle;
};

} // namespace

CPuzzleReading::CPuzzleReading(CPuzzle puzzle) : m_puzzle(std::move(puzzle)) {}

CPuzzleReading::CPuzzleReading(std::string source, int line, int column, CReason reason)
    : m_source(std::move(source)), m_line(line), m_column(column), m_unusable(true), m_reason(std::move(reason))
{
}

std::string CPuzzleReading::Reason(Wording wording) const
{
    return PlacedReason(EchoedText(m_source), m_line, m_column, m_reason, wording);
}

CPuzzleReading ReadPuzzleText(std::string_view text, std::string_view source, std::string_view defaultTitle)
{
    // The parser finds such bytes too, but places them a character early.
    const std::size_t valid = ValidUtf8Length(text);
    if (valid < text.size()) {
        const std::string_view before = text.substr(0, valid);
        const std::size_t lineStart = before.rfind('\n') + 1; // npos + 1 is 0
        std::string_view line = before.substr(lineStart);
        int column = 1;
        for (; !line.empty(); ++column)
            TakeCodePoint(line);
        return CPuzzleReading(std::string(source), static_cast<int>(std::count(before.begin(), before.end(), '\n')) + 1,
                              column, {ReadingFault::NOT_UTF8, {}});
    }
    const toml::parse_result parsed = toml::parse(text, source);
    if (!parsed) {
        const toml::parse_error& error = parsed.error();
        return CPuzzleReading(std::string(source), static_cast<int>(error.source().begin.line),
                              static_cast<int>(error.source().begin.column),
                              {ReadingFault::NOT_TOML, {{EchoedText(error.description())}}});
    }
    CPuzzle puzzle;
    puzzle.m_title = TitleFrom(defaultTitle.empty() ? source : defaultTitle);
    puzzle.m_banks = {DEFAULT_BANKS[0], DEFAULT_BANKS[1]};
    if (const Found problem = CPuzzleParser(parsed.table(), puzzle).Parse()) {
        return CPuzzleReading(std::string(source), static_cast<int>(problem->m_at.line),
                              static_cast<int>(problem->m_at.column), problem->m_reason);
    }
    return CPuzzleReading(std::move(puzzle));
}

std::string PuzzleFileStem(std::string_view path)
{
    std::string_view name = path.substr(path.find_last_of('/') + 1);
    for (std::string_view suffix : {PUZZLE_FILE_SUFFIX, std::string_view(".toml")}) {
        if (name.size() > suffix.size() && name.ends_with(suffix)) {
            name.remove_suffix(suffix.size());
            break;
        }
    }
    return std::string(name);
}

CPuzzleReading ReadPuzzleFile(const std::string& path)
{
    struct CCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    errno = 0;
    const std::unique_ptr<std::FILE, CCloser> file(std::fopen(path.c_str(), "rb"));
    if (file == nullptr)
        return CPuzzleReading(path, 0, 0, {ReadingFault::CANNOT_OPEN, {{std::strerror(errno)}}});
    std::string text(MAX_PUZZLE_FILE_BYTES + 1, '\0');
    const std::size_t read = std::fread(text.data(), 1, text.size(), file.get());
    if (std::ferror(file.get()) != 0)
        return CPuzzleReading(path, 0, 0, {ReadingFault::CANNOT_READ, {{std::strerror(errno)}}});
    text.resize(read);
    return ReadPuzzleFileText(text, path);
}

CPuzzleReading ReadPuzzleFileText(std::string_view text, const std::string& path)
{
    if (text.size() > MAX_PUZZLE_FILE_BYTES)
        return CPuzzleReading(path, 0, 0, {ReadingFault::TOO_LARGE, {Number(MAX_PUZZLE_FILE_BYTES >> 20)}});
    return ReadPuzzleText(text, path, PuzzleFileStem(path));
}
