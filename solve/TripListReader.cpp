#include "TripListReader.h"

#include "display/DisplayText.h"
#include "engine/TripJudge.h"
#include "platform/ArgumentEcho.h"

#include <cerrno>
#include <charconv>
#include <limits>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> Words(std::string_view line)
{
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while ((start = line.find_first_not_of(" \t", start)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end;
    }
    return words;
}

bool IsFigureLabel(std::string_view word)
{
    for (int figure = 0; figure < FIGURE_COUNT; ++figure) {
        if (word == FigureLabel(figure))
            return true;
    }
    return false;
}

bool IsDirectionWord(std::string_view word)
{
    return word == PlaceText(PLACE_GOING) || word == PlaceText(PLACE_RETURNING);
}

// The traveller of that name, or -1.
int TravellerNamed(std::string_view name)
{
    for (int traveller = 0; traveller < TRAVELLER_COUNT; ++traveller) {
        if (name == TravellerName(traveller))
            return traveller;
    }
    return -1;
}

} // namespace

CTripListReader::CTripListReader(std::FILE* in) : m_in(in) {}

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
        if (m_text.size() == LINE_LIMIT) {
            ++m_line;
            return LineRead::TOO_LONG;
        }
        m_text.push_back(static_cast<char>(c));
    }
    ++m_line;
    // Lines ended by CR LF read as the same lines.
    if (!m_text.empty() && m_text.back() == '\r')
        m_text.pop_back();
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
    const std::vector<std::string_view> words = Words(m_text);
    if (words.empty() || words[0].front() == '#' || IsFigureLabel(words[0]))
        return TripRead::END;

    const int number = m_trips + 1;
    std::size_t first = 0;
    if (words[0].find_first_not_of("0123456789") == std::string_view::npos) {
        int listed = 0;
        const auto [end, error] = std::from_chars(words[0].data(), words[0].data() + words[0].size(), listed);
        if (error != std::errc() || listed != number) {
            m_error =
                "trip number " + QuotedArgument(words[0]) + " where trip " + std::to_string(number) + " was expected";
            return TripRead::MALFORMED;
        }
        ++first;
    }
    if (first < words.size() && IsDirectionWord(words[first])) {
        const char* direction = PlaceText(BoardingAction(BoatSideAfter(number - 1)));
        if (words[first] != direction) {
            m_error = "direction " + QuotedArgument(words[first]) + " where trip " + std::to_string(number) + " goes " +
                      direction;
            return TripRead::MALFORMED;
        }
        ++first;
    }
    if (words.size() - first > 2) {
        m_error = "three or more travellers on one trip: " + QuotedArgument(m_text);
        return TripRead::MALFORMED;
    }

    trip = CListedTrip{number, m_line, 0};
    for (std::size_t i = first; i < words.size(); ++i) {
        const int traveller = TravellerNamed(words[i]);
        if (traveller < 0) {
            m_error = "unknown traveller " + QuotedArgument(words[i]);
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
