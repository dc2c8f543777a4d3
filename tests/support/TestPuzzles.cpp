#include "TestPuzzles.h"

#include <gtest/gtest.h>

CPuzzle TestPuzzle(std::string_view text)
{
    const CPuzzleReading reading = ReadPuzzleText(text, "test.crossing.toml", "test");
    EXPECT_TRUE(reading.IsRead()) << reading.Reason();
    return reading.Puzzle();
}

std::string ShippedPuzzlesFolder()
{
    return TORVALY_SHIPPED_PUZZLES_FOLDER;
}

std::string KeptApartPuzzleText(bool landings)
{
    return std::string("landings = ") + (landings ? "true" : "false") + R"(
[[traveller]]
name = "R1"
rows = true
[[traveller]]
name = "R2"
rows = true
[[traveller]]
name = "X"
[[rule]]
kind = "apart"
who = "X"
from = ["R2"]
)";
}

std::string OutnumberedPuzzleText()
{
    return R"(
[[traveller]]
name = "M1"
rows = true
[[traveller]]
name = "M2"
rows = true
[[traveller]]
name = "C1"
rows = true
[[traveller]]
name = "C2"
rows = true
[[rule]]
kind = "outnumbered"
group = ["M1", "M2"]
by = ["C1", "C2"]
)";
}

std::string FreePuzzleText(int count, int seats)
{
    std::string text = "seats = " + std::to_string(seats) + "\n";
    for (int traveller = 0; traveller < count; ++traveller)
        text += "[[traveller]]\nname = \"T" + std::to_string(traveller) + "\"\nrows = true\n";
    return text;
}

namespace {

// ["T1", "T2"] for {1, 2}.
std::string NamesOf(std::initializer_list<int> numbers)
{
    std::string names;
    for (int number : numbers)
        names += (names.empty() ? "" : ", ") + std::string("\"T") + std::to_string(number) + "\"";
    return "[" + names + "]";
}

} // namespace

std::string RulesOfEveryKindPuzzleText(int count, int seats)
{
    std::string text = "seats = " + std::to_string(seats) + "\n";
    for (int number = 1; number <= count; ++number)
        text += "[[traveller]]\nname = \"T" + std::to_string(number) + "\"\n" + (number <= 5 ? "rows = true\n" : "");
    text +=
        "[[rule]]\nkind = \"apart\"\nwho = \"T6\"\nfrom = " + NamesOf({7, 8}) + "\nunless = " + NamesOf({1, 2}) + "\n";
    text += "[[rule]]\nkind = \"with\"\nwho = \"T9\"\nof = " + NamesOf({3, 10}) + "\n";
    text += "[[rule]]\nkind = \"alone\"\nwho = \"T11\"\nunless = " + NamesOf({4, 5}) + "\n";
    text +=
        "[[rule]]\nkind = \"outnumbered\"\ngroup = " + NamesOf({1, 2}) + "\nby = " + NamesOf({count - 1, count}) + "\n";
    return text;
}
