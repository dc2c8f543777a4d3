// The crossing picture as screen readers see it: a pane named for the
// picture whose description is the shown step in words, holding three
// lists, 日本, 米国 and 舟, each listing by name the travellers there. The
// lists and their items are accessibility objects of their own, not
// widgets, so that each traveller can be given states of its own. In the
// game each traveller is checkable, checked when chosen, and toggles by the
// toggle action; the one in the picture's focus ring has the focus.
#pragma once

#include "engine/Travellers.h"

class CCrossingPicture;

// Makes the toolkit use these objects for every crossing picture.
void InstallPictureAccessibility();

// Tells screen readers that the picture shows another step: the lists'
// members when the travellers moved, the description when it changed. The
// description's change is how a new step is announced.
void AnnouncePictureChange(CCrossingPicture* picture, bool moved, bool described);

// Tells screen readers that travellers were chosen or no longer are, or,
// with choosing, that the travellers became check boxes or stopped being
// ones.
void AnnounceChoiceChange(CCrossingPicture* picture, TravellerSet travellers, bool choosing = false);

// Tells screen readers that the focus ring moved to a traveller.
void AnnounceTravellerFocus(CCrossingPicture* picture, int traveller);
