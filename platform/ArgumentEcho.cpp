#include "ArgumentEcho.h"

#include "Utf8.h"

#include <cstdio>

namespace {

// A bad argument is echoed this many characters long at most.
constexpr std::size_t ECHO_LIMIT = 40;

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
        std::string_view rest = argument;
        const char32_t code = TakeCodePoint(rest);
        if (valid == 0 || lead < 0x20 || lead == 0x7f || c1Control) {
            for (std::size_t i = 0; i < length; ++i) {
                char hex[8];
                std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(argument[i]));
                echo += hex;
            }
        } else if (IsInvisibleFormat(code)) {
            // It would hide, or turn round, the rest of the line.
            char escape[12];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(code));
            echo += escape;
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

std::string QuotedArgument(std::string_view argument)
{
    // Appended in steps: g++ 12 at -O3 wrongly warns of an overlapping copy
    // in "'" + a temporary string.
    std::string quoted("'");
    quoted += EchoedArgument(argument);
    quoted += '\'';
    return quoted;
}
