// Why a puzzle cannot be used, worded twice from one table: in English for
// the terminal, and in Japanese for the window. The reader says which
// fault it met and with what (ReadingFault and its arguments); the table
// words it, so that neither wording can miss a fault.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

enum class ReadingFault : std::uint8_t {
    NOT_UTF8,
    NOT_TOML,              // the parser's own words
    CANNOT_OPEN,           // the system's reason
    CANNOT_READ,           // the system's reason
    TOO_LARGE,             // the most, in MiB
    NO_SUCH_NAME,          // the names there are
    UNKNOWN_TOP_KEY,       // the key, the keys there are
    UNKNOWN_TRAVELLER_KEY, // the key, the keys there are
    UNKNOWN_RULE_KEY,      // the key, the kind, the keys there are
    NOT_A_STRING,          // the key
    EMPTY,                 // the key
    TOO_LONG,              // the key, the most bytes
    CONTROL_CHARACTER,     // the key
    INVISIBLE_CHARACTER,   // the key
    NAME_NOT_A_STRING,     //
    NAME_EMPTY,            //
    NAME_TOO_LONG,         // the name, the most bytes
    NAME_BLANK,            // the name
    NAME_INVISIBLE,        // the name
    NAME_COMMENT,          // the name
    NAME_NUMBER,           // the name
    NAME_DIRECTION,        // the name
    NAME_MISSING,          //
    NAME_TWICE,            // the name
    BANKS_NOT_TWO,         //
    BANKS_SAME,            //
    NOT_WHOLE,             // the key, the most
    NOT_TRUE_OR_FALSE,     // the key
    NOT_TABLES,            // the key
    NO_TRAVELLERS,         // the most travellers
    TOO_MANY_TRAVELLERS,   // the most travellers
    NOBODY_ROWS,           //
    WEIGHT_WITHOUT_LOAD,   //
    WEIGHT_MISSING,        //
    TIME_FOR_SOME,         //
    TIME_MISSING,          //
    LIMIT_WITHOUT_TIMES,   //
    BAD_LOOK,              // the most bytes
    NOT_A_NAME_STRING,     //
    NOT_A_TRAVELLER,       // the name
    RULE_NEEDS_KEY,        // the kind, the key
    NOT_AN_ARRAY_OF_NAMES, // the key
    NAMES_NOBODY,          // the key
    SUBJECT_IN_SET,        // the name, the key
    NAMED_TWICE,           // the name, the key
    KIND_MISSING,          // the kinds
    UNKNOWN_KIND,          // the kinds
    UNKNOWN_KIND_NAMED,    // the kind, the kinds
    BAD_WHERE,             //
    IN_GROUP_AND_BY,       // the name
    UNALIKE_ROWS,          // the first, the second, the type
    UNALIKE_WEIGHTS,       // the first, the second, the type
    UNALIKE_TIMES,         // the first, the second, the type
    UNALIKE_BY_RULE,       // the first, the second, the type, the rule's number
    COUNT
};

// A fault met and its arguments, each made safe for a terminal already
// (ArgumentEcho.h); an argument of several words is a list, which each
// wording joins in its own way.
struct CReason {
    ReadingFault m_fault = ReadingFault::NOT_TOML;
    std::vector<std::vector<std::string>> m_arguments;
};

enum class Wording { ENGLISH, JAPANESE };

// The fault in words, its arguments in place: "'Z' is not a traveller",
// or "「Z」という旅人はいません。".
std::string ReasonWords(const CReason& reason, Wording wording);

// The whole line: "SOURCE:LINE:COLUMN: words" in English, "SOURCE の LINE
// 行目、COLUMN 文字目：words" in Japanese; line 0 has no place.
std::string PlacedReason(const std::string& source, int line, int column, const CReason& reason, Wording wording);

// The table itself: a fault and its two wordings, with {0}, {1}, ... for
// its arguments.
struct CReasonWording {
    ReadingFault m_fault;
    const char* m_english;
    const char* m_japanese;
};
std::span<const CReasonWording> ReasonTable();
