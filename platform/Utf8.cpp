#include "Utf8.h"

std::size_t Utf8Length(std::string_view text)
{
    if (text.empty())
        return 0;
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

bool IsControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c < 0xa0);
}

bool IsWhiteSpace(char32_t c)
{
    switch (c) {
    case 0x20:
    case 0x85:
    case 0xa0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202f:
    case 0x205f:
    case 0x3000:
        return true;
    default:
        return (c >= 0x09 && c <= 0x0d) || (c >= 0x2000 && c <= 0x200a);
    }
}

bool IsInvisibleFormat(char32_t c)
{
    return (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069) || (c >= 0x200b && c <= 0x200d) ||
           c == 0x2060 || c == 0xfeff || c == 0xad;
}

char32_t TakeCodePoint(std::string_view& text)
{
    const std::size_t length = Utf8Length(text);
    if (length == 0) {
        text.remove_prefix(text.empty() ? 0 : 1);
        return U'\uFFFD';
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    char32_t code = length == 1 ? lead : lead & (0x7f >> length);
    for (std::size_t i = 1; i < length; ++i)
        code = code << 6 | (static_cast<unsigned char>(text[i]) & 0x3f);
    text.remove_prefix(length);
    return code;
}
