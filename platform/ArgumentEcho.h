// A command-line argument, or a line of input, echoed back in an error line,
// made safe for a terminal: a stray argument must not move the cursor, change
// colours or fill the screen.
#pragma once

#include <string>
#include <string_view>

// The argument in one line: control characters (C0, DEL, C1) and bytes that
// are not UTF-8 written as \xHH, characters that show nothing or turn the
// text round (IsInvisibleFormat) as \uHHHH, a backslash doubled, and at most 40
// characters, then "…".
std::string EchoedArgument(std::string_view argument);

// The same echo of a text whole, for a text worth reading to its end, such
// as a file's name at the start of a message.
std::string EchoedText(std::string_view text);

// The echo in single quotes, as error lines name what they refuse: 'text'.
std::string QuotedArgument(std::string_view argument);
