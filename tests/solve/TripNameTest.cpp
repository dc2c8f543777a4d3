// A traveller's name that the puzzle reader accepts is read back as that
// name by the reader of a list of trips, even on the first line after a
// byte-order mark; a name that a list would read otherwise is refused.
#include "solve/TripListReader.h"

#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

TEST(TripNameTest, ANameThePuzzleReaderAcceptsReadsBackFromAListOfTrips)
{
    struct CCase {
        std::string m_name;
        bool m_accepted;
    };
    const CCase cases[] = {
        {"B", true},
        {std::string(32, 'b'), true},
        {std::string(33, 'b'), false},
        {"B#", true},
        {"1a", true},
        {"Ｂ", true},
        {"\ufeffB", false},
        {"B\ufeff", false},
        {"B\u3000C", false},
        {"B\tC", false},
        {"B\rC", false},
        {"#B", false},
        {"12", false},
        {"帰り", false},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.m_name);
        const CPuzzleReading reading = ReadPuzzleText(
            "[[traveller]]\nname = \"A\"\nrows = true\n[[traveller]]\nname = \"" + c.m_name + "\"\n", "t", "t");
        ASSERT_EQ(reading.IsRead(), c.m_accepted) << reading.Reason();
        if (!c.m_accepted)
            continue;
        std::string list = "\ufeff1 行き A " + c.m_name + "\n";
        std::FILE* in = fmemopen(list.data(), list.size(), "r");
        CTripListReader reader(in, reading.Puzzle());
        CListedTrip trip;
        EXPECT_EQ(reader.Next(trip), TripRead::TRIP) << reader.Error();
        EXPECT_EQ(trip.m_travellers, 0b11u);
        std::fclose(in);
    }
}

} // namespace
