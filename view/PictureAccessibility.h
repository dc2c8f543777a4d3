// The crossing picture as screen readers see it: a pane named for the
// picture whose description is the shown step in words, holding three
// lists, 日本, 米国 and 舟, each listing by name the travellers there. The
// lists and their items are accessibility objects of their own, not
// widgets, so that each traveller can be given states of its own.
#pragma once

class CCrossingPicture;

// Makes the toolkit use these objects for every crossing picture.
void InstallPictureAccessibility();

// Tells screen readers that the picture shows another step: the lists'
// members when the travellers moved, the description when it changed. The
// description's change is how a new step is announced.
void AnnouncePictureChange(CCrossingPicture* picture, bool moved, bool described);
