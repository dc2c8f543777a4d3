// UTF-8, decoded in one place: the validity of a text, and its code points.
#pragma once

#include <cstddef>
#include <string_view>

// The length of the UTF-8 sequence at the start of text, or 0 when it is not
// a valid one (stray or missing continuation bytes, overlong forms,
// surrogates, beyond U+10FFFF).
std::size_t Utf8Length(std::string_view text);

// Whether text is valid UTF-8 throughout, by the rules above.
bool IsUtf8(std::string_view text);

// How many bytes at the start of text are valid UTF-8, by the same rules:
// the size of text when all of it is.
std::size_t ValidUtf8Length(std::string_view text);

// The code point at the start of text, which it takes off the text; a byte
// that starts no valid sequence is taken alone, as U+FFFD.
char32_t TakeCodePoint(std::string_view& text);

// The control characters: C0, DEL and C1.
bool IsControl(char32_t c);
// Unicode's white space, the ideographic space included.
bool IsWhiteSpace(char32_t c);
// Characters that show nothing but change how text reads: the
// bidirectional overrides and isolates (U+202A to U+202E, U+2066 to
// U+2069), the zero-width characters (U+200B to U+200D, U+2060, U+FEFF)
// and the soft hyphen.
bool IsInvisibleFormat(char32_t c);

// Whether test holds for any code point of text.
template <typename Test> bool AnyCodePoint(std::string_view text, Test test)
{
    while (!text.empty()) {
        if (test(TakeCodePoint(text)))
            return true;
    }
    return false;
}
