#include "ArgumentEcho.h"

#include <cstdio>

namespace {

// A bad argument is echoed this many characters long at most.
constexpr std::size_t ECHO_LIMIT = 40;

// The length of the UTF-8 sequence at the start of text, or 0 when it is not
// a valid one (stray or missing continuation bytes, overlong forms,
// surrogates, beyond U+10FFFF).
std::size_t Utf8Length(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xbf)
            return 0;
    }
    return length;
}

// The echo of argument, cut after limit characters.
std::string Echoed(std::string_view argument, std::size_t limit)
{
    std::string echo;
    std::size_t characters = 0;
    while (!argument.empty()) {
        if (characters == limit)
            return echo + "…";
        const std::size_t valid = Utf8Length(argument);
        const std::size_t length = valid != 0 ? valid : 1;
        const unsigned char lead = static_cast<unsigned char>(argument[0]);
        const bool c1Control = lead == 0xc2 && valid == 2 && static_cast<unsigned char>(argument[1]) < 0xa0;
        if (valid == 0 || lead < 0x20 || lead == 0x7f || c1Control) {
            for (std::size_t i = 0; i < length; ++i) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(argument[i]));
                echo += hex;
            }
        } else if (lead == '\\') {
            echo += "\\\\";
        } else {
            echo.append(argument.substr(0, length));
        }
        argument.remove_prefix(length);
        ++characters;
    }
    return echo;
}

} // namespace

std::string EchoedArgument(std::string_view argument)
{
    return Echoed(argument, ECHO_LIMIT);
}

std::string EchoedText(std::string_view text)
{
    return Echoed(text, text.size());
}

bool IsUtf8(std::string_view text)
{
    return ValidUtf8Length(text) == text.size();
}

std::size_t ValidUtf8Length(std::string_view text)
{
    std::size_t valid = 0;
    while (valid < text.size()) {
        const std::size_t length = Utf8Length(text.substr(valid));
        if (length == 0)
            break;
        valid += length;
    }
    return valid;
}

std::string QuotedArgument(std::string_view argument)
{
    // Appended in steps: g++ 12 at -O3 wrongly warns of an overlapping copy
    // in "'" + a temporary string.
    std::string quoted("'");
    quoted += EchoedArgument(argument);
    quoted += '\'';
    return quoted;
}
