#include "TripWords.h"

#include "platform/Utf8.h"

namespace {

constexpr std::string_view IDEOGRAPHIC_SPACE = "\u3000";

} // namespace

std::size_t SeparatorAt(std::string_view text)
{
    if (!text.empty() && (text[0] == ' ' || text[0] == '\t'))
        return 1;
    return text.starts_with(IDEOGRAPHIC_SPACE) ? IDEOGRAPHIC_SPACE.size() : 0;
}

std::vector<std::string_view> TripWords(std::string_view line)
{
    std::vector<std::string_view> words;
    while (!line.empty()) {
        if (const std::size_t separator = SeparatorAt(line)) {
            line.remove_prefix(separator);
            continue;
        }
        std::size_t end = 0;
        while (end < line.size() && SeparatorAt(line.substr(end)) == 0)
            ++end;
        words.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return words;
}

bool IsTripNumberWord(std::string_view word)
{
    return !word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos;
}

const char* DirectionWord(int action)
{
    return DIRECTION_WORDS[action == PLACE_GOING ? 0 : 1];
}

int DirectionOf(std::string_view word)
{
    for (const int action : {PLACE_GOING, PLACE_RETURNING}) {
        if (word == DirectionWord(action))
            return action;
    }
    return PLACE_UNKNOWN;
}

NameFault NameFaultOf(std::string_view name)
{
    if (name.empty())
        return NameFault::EMPTY;
    if (name.size() > MAX_NAME_BYTES)
        return NameFault::TOO_LONG;
    if (AnyCodePoint(name, [](char32_t c) { return IsWhiteSpace(c) || IsControl(c); }))
        return NameFault::BLANK_OR_CONTROL;
    if (AnyCodePoint(name, IsInvisibleFormat))
        return NameFault::INVISIBLE;
    if (name.front() == COMMENT_MARK)
        return NameFault::COMMENT;
    if (IsTripNumberWord(name))
        return NameFault::NUMBER;
    if (DirectionOf(name) != PLACE_UNKNOWN)
        return NameFault::DIRECTION;
    return NameFault::NONE;
}
