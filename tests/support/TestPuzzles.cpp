#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <iterator>

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

std::string NightPuzzleText(int slowest, int limit)
{
    std::string text = limit > 0 ? "time_limit = " + std::to_string(limit) + "\n" : "";
    for (const auto& [name, time] : {std::pair{"A", 1}, {"B", 2}, {"C", 5}, {"D", slowest}})
        text +=
            std::string("[[traveller]]\nname = \"") + name + "\"\nrows = true\ntime = " + std::to_string(time) + "\n";
    return text;
}

std::string FamilyPuzzleText(int load)
{
    std::string text = "load = " + std::to_string(load) + "\n";
    for (const auto& [name, weight] : {std::pair{"F", 90}, {"M", 80}, {"S", 60}, {"D", 40}})
        text += std::string("[[traveller]]\nname = \"") + name + "\"\nrows = true\nweight = " + std::to_string(weight) +
                "\n";
    return text + "[[traveller]]\nname = \"Bag\"\nweight = 20\n";
}

std::string WholeFamilyPuzzleText(int count, int seats)
{
    // The last three are alike: no rule names them, and they weigh and take
    // the same.
    std::string text = "load = " + std::to_string(seats * 40) + "\ntime_limit = 1000\n";
    text += "seats = " + std::to_string(seats) + "\n";
    for (int number = 1; number <= count; ++number) {
        const bool alike = number > count - 3;
        text += "[[traveller]]\nname = \"T" + std::to_string(number) + "\"\n" + (number <= 5 ? "rows = true\n" : "");
        text += "weight = " + std::to_string(alike ? 30 : 20 + number * 7 % 30) +
                "\ntime = " + std::to_string(alike ? 2 : 1 + number % 4) + "\n" + (alike ? "type = \"alike\"\n" : "");
        // Single emoji and sequences joined by U+200D; the alike look alike.
        static const char* const LOOKS[] = {"🧑‍🌾", "🐺", "🐐", "🥬", "👨", "👩",   "🧒",
                                            "👧",           "🐕", "🐈", "🐄",    "🐑", "🧳"};
        text += std::string("look = \"") + (alike ? "🐓" : LOOKS[(number - 1) % std::size(LOOKS)]) + "\"\n";
    }
    text +=
        "[[rule]]\nkind = \"apart\"\nwho = \"T6\"\nfrom = " + NamesOf({7, 8}) + "\nunless = " + NamesOf({1, 2}) + "\n";
    text += "[[rule]]\nkind = \"with\"\nwho = \"T9\"\nof = " + NamesOf({3, 8}) + "\nwhere = \"banks\"\n";
    text += "[[rule]]\nkind = \"alone\"\nwho = \"T7\"\nunless = " + NamesOf({4, 5}) + "\nwhere = \"boat\"\n";
    text += "[[rule]]\nkind = \"outnumbered\"\ngroup = " + NamesOf({1, 2}) + "\nby = " + NamesOf({6, 9}) + "\n";
    return text;
}

CPuzzle GeneratedPuzzle(unsigned seed)
{
    // A small linear congruential generator: the same puzzles everywhere.
    std::uint32_t state = seed * 2654435761u + 1;
    const auto next = [&](std::uint32_t below) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % below);
    };
    CPuzzle puzzle;
    puzzle.m_title = std::string("generated ").append(std::to_string(seed));
    puzzle.m_banks = {"L", "R"};
    const int count = 3 + next(6);
    for (int traveller = 0; traveller < count; ++traveller)
        puzzle.m_names.push_back(std::string("T").append(std::to_string(traveller)));
    puzzle.m_rowers =
        TravellerBit(next(static_cast<std::uint32_t>(count))) | static_cast<TravellerSet>(next(1u << count));
    puzzle.m_seats = 1 + next(3);
    puzzle.m_landings = next(2) == 1;
    if (next(3) == 0) {
        for (int traveller = 0; traveller < count; ++traveller)
            puzzle.m_weights.push_back(1 + next(5));
        puzzle.m_load = 3 + next(6);
    }
    if (next(3) == 0) {
        for (int traveller = 0; traveller < count; ++traveller)
            puzzle.m_times.push_back(1 + next(9));
    }
    const auto someone = [&] { return next(static_cast<std::uint32_t>(count)); };
    const auto some = [&](TravellerSet except) {
        const TravellerSet set = static_cast<TravellerSet>(next(1u << count)) & ~except;
        return set != 0 ? set : TravellerBit(std::countr_zero(~except & puzzle.Everybody()));
    };
    for (int rule = next(4); rule > 0; --rule) {
        const auto where = static_cast<RulePlace>(next(3));
        const int who = someone();
        const TravellerSet self = TravellerBit(who);
        switch (next(4)) {
        case 0:
            puzzle.m_stated.push_back({RuleKind::APART_UNLESS_GUARDED, who, next(2) == 1 ? some(self) : 0, some(self)});
            break;
        case 1:
            puzzle.m_stated.push_back({RuleKind::WITH_ONE_OF, who, 0, some(self)});
            break;
        case 2:
            puzzle.m_stated.push_back({RuleKind::ALONE_UNLESS_GUARDED, who, some(self), 0});
            break;
        default: {
            const TravellerSet group = some(self); // somebody is left to outnumber it
            puzzle.m_stated.push_back({RuleKind::OUTNUMBERED, NO_SUBJECT, 0, group, some(group)});
            break;
        }
        }
        puzzle.m_stated.back().m_where = where;
    }
    return puzzle;
}

std::vector<CPuzzleState> EveryState(const CPuzzle& puzzle)
{
    std::vector<CPuzzleState> states;
    for (TravellerSet across = 0; across <= puzzle.Everybody(); ++across) {
        states.push_back({across, PLACE_START});
        states.push_back({across, PLACE_ARRIVED});
    }
    return states;
}
