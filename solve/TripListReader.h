// Reads the list of trips that torvaly-solve --check is given: one trip per
// line, "[NUMBER] [DIRECTION] NAME [NAME]", so that the output of --trips
// reads back. It stops at the first line that cannot be read and reads
// nothing past it.
#pragma once

#include "puzzle/Puzzle.h"

#include <cstddef>
#include <cstdio>
#include <string>

// One trip as listed.
struct CListedTrip {
    int m_number = 0; // from 1, in the order listed
    int m_line = 0;   // its line in the input, from 1
    TravellerSet m_travellers = 0;
};

enum class TripRead {
    TRIP,      // the next trip
    END,       // no more trips
    MALFORMED, // a line that cannot be read: Line() and Error() say which and why
    FAILED,    // the input could not be read: ReadError() holds errno's reason
};

class CTripListReader {
public:
    // The longest line read, in bytes, without its line end (LF, or CR LF).
    static constexpr std::size_t LINE_LIMIT = 1024;

    // Reads trips of puzzle's travellers from in.
    CTripListReader(std::FILE* in, const CPuzzle& puzzle);
    virtual ~CTripListReader() = default;

    // Reads lines up to the next trip. Skipped: blank lines, lines whose first
    // word starts with "#", and the figure lines of a report (their first word
    // is a figure's label, and no traveller's name). A trip's line holds,
    // separated by spaces, tabs or ideographic spaces (U+3000), the trip's
    // number if wanted (it must then be that trip's number), its direction 行き
    // or 帰り if wanted (it must then be that trip's: the odd trips go, the even
    // ones come back), and 1 to the puzzle's seats travellers' names as the
    // puzzle spells them. A byte-order mark at the start of the input is
    // skipped. A line that is not UTF-8, is longer than LINE_LIMIT, names an
    // unknown traveller, more than the boat seats, or one twice, or has a
    // wrong number or direction, is MALFORMED; a name that is a traveller's
    // but for its letters' case says which traveller was meant.
    TripRead Next(CListedTrip& trip);

    // The last line read, from 1.
    int Line() const { return m_line; }
    // Why that line cannot be read, its offending text echoed safely:
    // "unknown traveller 'Bob'".
    const std::string& Error() const { return m_error; }
    int ReadError() const { return m_readError; }

private:
    enum class LineRead { LINE, END, TOO_LONG, TOO_MANY, FAILED };
    LineRead ReadLine();
    // TRIP for a trip's line, END for a skipped one, or MALFORMED.
    TripRead ReadTrip(CListedTrip& trip);

    std::FILE* m_in;
    const CPuzzle& m_puzzle;
    std::string m_text; // the last line read
    int m_line = 0;
    int m_trips = 0; // the trips read so far
    std::string m_error;
    int m_readError = 0;
};
