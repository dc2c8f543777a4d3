// The words of a list of trips, as torvaly-solve writes trips and reads them
// back: the separators between words, the comment mark, a trip's number and
// direction, and what a traveller's name may be so that a list of trips
// always reads it as that name. The puzzle reader checks names by the same
// rule.
#pragma once

#include "core/Places.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

// The longest name, in bytes of UTF-8.
inline constexpr std::size_t MAX_NAME_BYTES = 32;

// A line whose first word starts with this is a comment.
inline constexpr char COMMENT_MARK = '#';

// The words that say a trip's direction: outbound (PLACE_GOING), and back
// (PLACE_RETURNING).
inline constexpr std::array<const char*, 2> DIRECTION_WORDS = {"行き", "帰り"};

// A byte-order mark, which a list of trips may start with and which is
// dropped there; no name may hold one.
inline constexpr std::string_view BYTE_ORDER_MARK = "\ufeff";

// The length of the separator at the start of text: a space, a tab or an
// ideographic space (U+3000), which Japanese input methods type between
// words; 0 for none.
std::size_t SeparatorAt(std::string_view text);

// The words of a line, between separators.
std::vector<std::string_view> TripWords(std::string_view line);

// Whether a word is a trip's number: digits only.
bool IsTripNumberWord(std::string_view word);

// How trip number (from 1) boards: the odd trips go (PLACE_GOING), the even
// ones come back (PLACE_RETURNING).
constexpr int DirectionOfTrip(int number)
{
    return BoardingAction(BoatSideAfter(number - 1));
}

// The direction word of a trip boarded by action (PLACE_GOING or
// PLACE_RETURNING), and the action a direction word says, or PLACE_UNKNOWN.
const char* DirectionWord(int action);
int DirectionOf(std::string_view word);

// Why a text cannot be a traveller's name.
enum class NameFault {
    NONE,
    EMPTY,
    TOO_LONG,         // over MAX_NAME_BYTES
    BLANK_OR_CONTROL, // white space or a control character, which a list of trips splits on or drops
    INVISIBLE,        // a character that shows nothing, such as a byte-order mark, which a list drops
    COMMENT,          // it would start a comment
    NUMBER,           // it would be read as a trip's number
    DIRECTION,        // it would be read as a direction
};

// The first fault of name, of valid UTF-8, as a traveller's name; NONE when
// a list of trips reads it as that name and nothing else.
NameFault NameFaultOf(std::string_view name);
