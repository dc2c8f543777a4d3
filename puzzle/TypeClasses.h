// The travellers of a puzzle grouped by type, for counting plans by type:
// travellers of one type are alike, so an arrangement stands for every
// arrangement that swaps travellers within their types. Each such class of
// arrangements has one canonical member, in which the travellers of a type
// who are across are the type's first ones.
#pragma once

#include "Puzzle.h"

#include <vector>

class CTypeClasses {
public:
    explicit CTypeClasses(const CPuzzle& puzzle);

    // Those across in the canonical member of across's class.
    TravellerSet Canonical(TravellerSet across) const;

private:
    // The travellers of each type that has more than one.
    std::vector<TravellerSet> m_types;
};
