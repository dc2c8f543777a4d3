// What the crossing picture lets a player choose in the game: the
// travellers for the next trip, chosen by a click on a figure, from the
// keyboard, or by a screen reader's toggle, and Enter to cross with them.
#pragma once

#include "core/TravellerSet.h"

class CTravellerChoice {
public:
    virtual TravellerSet Chosen() const = 0;
    // The travellers the keyboard's focus ring moves among: those on the
    // boat's bank.
    virtual TravellerSet Choosable() const = 0;
    virtual void Toggle(int traveller) = 0;
    // Enter: the chosen travellers cross.
    virtual void Confirm() = 0;

protected:
    ~CTravellerChoice() = default;
};
