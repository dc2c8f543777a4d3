#include "TripListReader.h"

#include "platform/ArgumentEcho.h"
#include "platform/Utf8.h"
#include "puzzle/TripWords.h"
#include "texts/SolutionText.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <limits>
#include <string_view>
#include <vector>

namespace {

bool SameButForCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

CTripListReader::CTripListReader(std::FILE* in, const CPuzzle& puzzle) : m_in(in), m_puzzle(puzzle) {}

CTripListReader::LineRead CTripListReader::ReadLine()
{
    m_text.clear();
    if (m_line == std::numeric_limits<int>::max())
        return LineRead::TOO_MANY;
    errno = 0;
    for (;;) {
        const int c = std::getc(m_in);
        if (c == '\n')
            break;
        if (c == EOF) {
            if (std::ferror(m_in) != 0) {
                m_readError = errno;
                return LineRead::FAILED;
            }
            if (m_text.empty())
                return LineRead::END;
            break; // a last line without its line feed
        }
        // Room for a byte-order mark and a CR, which do not count.
        if (m_text.size() == LINE_LIMIT + BYTE_ORDER_MARK.size() + 1) {
            ++m_line;
            return LineRead::TOO_LONG;
        }
        m_text.push_back(static_cast<char>(c));
    }
    ++m_line;
    if (m_line == 1 && m_text.starts_with(BYTE_ORDER_MARK))
        m_text.erase(0, BYTE_ORDER_MARK.size());
    // Lines ended by CR LF read as the same lines.
    if (!m_text.empty() && m_text.back() == '\r')
        m_text.pop_back();
    if (m_text.size() > LINE_LIMIT)
        return LineRead::TOO_LONG;
    return LineRead::LINE;
}

TripRead CTripListReader::Next(CListedTrip& trip)
{
    for (;;) {
        switch (ReadLine()) {
        case LineRead::END:
            return TripRead::END;
        case LineRead::FAILED:
            return TripRead::FAILED;
        case LineRead::TOO_MANY:
            m_error = "more lines than can be counted";
            return TripRead::MALFORMED;
        case LineRead::TOO_LONG:
            m_error = "longer than " + std::to_string(LINE_LIMIT) + " bytes: " + QuotedArgument(m_text);
            return TripRead::MALFORMED;
        case LineRead::LINE:
            break;
        }
        const TripRead read = ReadTrip(trip);
        if (read != TripRead::END)
            return read;
    }
}

TripRead CTripListReader::ReadTrip(CListedTrip& trip)
{
    if (!IsUtf8(m_text)) {
        m_error = "not UTF-8: " + QuotedArgument(m_text);
        return TripRead::MALFORMED;
    }
    const std::vector<std::string_view> words = TripWords(m_text);
    if (words.empty() || words[0].front() == COMMENT_MARK ||
        (IsReportLabel(words[0]) && m_puzzle.TravellerNamed(words[0]) < 0))
        return TripRead::END;

    const int number = m_trips + 1;
    std::size_t first = 0;
    if (IsTripNumberWord(words[0])) {
        int listed = 0;
        const auto [end, error] = std::from_chars(words[0].data(), words[0].data() + words[0].size(), listed);
        if (error != std::errc() || listed != number) {
            m_error =
                "trip number " + QuotedArgument(words[0]) + " where trip " + std::to_string(number) + " was expected";
            return TripRead::MALFORMED;
        }
        ++first;
    }
    if (first < words.size() && DirectionOf(words[first]) != PLACE_UNKNOWN) {
        const char* direction = DirectionWord(DirectionOfTrip(number));
        if (words[first] != direction) {
            m_error = "direction " + QuotedArgument(words[first]) + " where trip " + std::to_string(number) + " goes " +
                      direction;
            return TripRead::MALFORMED;
        }
        ++first;
    }
    if (words.size() - first > static_cast<std::size_t>(m_puzzle.m_seats)) {
        m_error = "more travellers on one trip than the boat's " + std::to_string(m_puzzle.m_seats) +
                  " seats: " + QuotedArgument(m_text);
        return TripRead::MALFORMED;
    }

    trip = CListedTrip{number, m_line, 0};
    for (std::size_t i = first; i < words.size(); ++i) {
        const int traveller = m_puzzle.TravellerNamed(words[i]);
        if (traveller < 0) {
            m_error = "unknown traveller " + QuotedArgument(words[i]);
            for (const std::string& name : m_puzzle.m_names) {
                if (SameButForCase(words[i], name))
                    m_error += "; did you mean " + QuotedArgument(name) + "?";
            }
            return TripRead::MALFORMED;
        }
        if ((trip.m_travellers & TravellerBit(traveller)) != 0) {
            m_error = "traveller " + QuotedArgument(words[i]) + " named twice";
            return TripRead::MALFORMED;
        }
        trip.m_travellers |= TravellerBit(traveller);
    }
    m_trips = number;
    return TripRead::TRIP;
}
