// Whether the travellers of each type are alike, as a puzzle that declares
// types promises: the same rowing, weight and time, and rules that stay the
// same, as a collection, when any two of them are swapped. Counting plans
// by type rests on it.
#pragma once

#include "Puzzle.h"

#include <optional>

// Two travellers of one type and what tells them apart.
struct CUnalike {
    enum class What { ROWS, WEIGHT, TIME, RULE };
    int m_first = 0;
    int m_second = 0; // the later one in the puzzle
    What m_what = What::RULE;
    int m_rule = 0; // RULE: a rule whose swapped form the puzzle does not have
};

// The first two travellers of one type who are not alike, or nothing.
std::optional<CUnalike> FindUnalike(const CPuzzle& puzzle);
