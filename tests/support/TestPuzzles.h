// Puzzles for tests: read from TOML text, the shipped ones from the source
// tree, and small ones whose answers were worked out by hand.
#pragma once

#include "puzzle/PuzzleJudge.h"
#include "puzzle/PuzzleReader.h"

#include <string>
#include <string_view>
#include <vector>

// Reads text as a puzzle file; a text that cannot be read fails the test.
CPuzzle TestPuzzle(std::string_view text);

// The shipped puzzle files' folder in the source tree.
std::string ShippedPuzzlesFolder();

// Two rowers, R1 and R2, and X, who may never be with R2; a boat of two.
// Worked out by hand: without judging landings, 3 trips in 2 shortest plans,
// the first R1 and R2, R1, R1 and X; judging them, no way across, as the
// last landing brings X and R2 together.
std::string KeptApartPuzzleText(bool landings);

// Two missionaries and two cannibals who all row, a boat of two, and no
// place where the missionaries are outnumbered. Worked out by hand: 5 trips,
// as every round trip brings one more across at best.
std::string OutnumberedPuzzleText();

// A puzzle of count travellers who all row and keep no rule.
std::string FreePuzzleText(int count, int seats);

// A puzzle of count (12 to 16) travellers, T1 to Tcount, five of whom row,
// with a rule of every kind; solvable for every count and 2 to 4 seats.
std::string RulesOfEveryKindPuzzleText(int count, int seats);

// Four who all row with these crossing times, a boat of two, and a time
// limit unless it is 0: the four at night.
std::string NightPuzzleText(int slowest, int limit);

// A family of 90, 80, 60 and 40 who row and a bag of 20 that does not, and
// a boat of two with this load.
std::string FamilyPuzzleText(int load);

// RulesOfEveryKindPuzzleText with every key of the family besides: weights
// and a load, times and a limit, a type of three alike travellers, looks,
// and rules held everywhere, on the banks and in the boat.
std::string WholeFamilyPuzzleText(int count, int seats);

// Small puzzles of 3 to 8 travellers, 1 to 3 seats, landings judged or not,
// a few rules of every kind held anywhere, and some with weights and a
// load or times, made from seed: the same seed, the same puzzle. Some have
// no way across.
CPuzzle GeneratedPuzzle(unsigned seed);

// Every arrangement between trips of a puzzle: each set across, with the
// boat on either bank.
std::vector<CPuzzleState> EveryState(const CPuzzle& puzzle);
