// The crossing picture as screen readers see it: a pane named for the
// picture whose description is the shown step in words, holding three
// lists, 日本, 米国 and 舟, each listing by name the travellers there. The
// lists and their items are accessibility objects of their own, not
// widgets, so that each traveller can be given states of its own. In the
// game each traveller is checkable, checked when chosen, and toggles by the
// toggle action; the one in the picture's focus ring has the focus.
#pragma once

#include "PictureObserver.h"

class CCrossingPicture;

// Makes the toolkit use these objects for every crossing picture made
// after.
void InstallPictureAccessibility();

// Tells screen readers what changed in a picture. A new step is announced
// by its description's change; the lists tell their new members when the
// travellers moved; in the game, the items tell when they were checked or
// became check boxes, and the one in the focus ring takes the focus.
class CPictureAnnouncer : public CPictureObserver {
public:
    explicit CPictureAnnouncer(CCrossingPicture* picture) : m_picture(picture) {}

    void SceneShown(bool moved, bool described) override;
    void ChoiceChanged(TravellerSet travellers, bool choosing) override;
    void TravellerFocused(int traveller) override;

private:
    CCrossingPicture* m_picture;
};
