// What the crossing picture tells of itself as it changes, for screen
// readers to be told (PictureAccessibility.h); the picture knows nothing of
// who listens.
#pragma once

#include "core/TravellerSet.h"

class CPictureObserver {
public:
    virtual ~CPictureObserver() = default;

    // Another scene shows: the travellers moved, or the description changed
    // or is to be said again.
    virtual void SceneShown(bool moved, bool described) = 0;
    // Travellers were chosen or no longer are; with choosing, the travellers
    // became choosable or stopped being so.
    virtual void ChoiceChanged(TravellerSet travellers, bool choosing) = 0;
    // The focus ring moved to a traveller, or the picture took the focus.
    virtual void TravellerFocused(int traveller) = 0;
};
