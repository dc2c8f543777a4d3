// Dialog units: a dialog's layout scales with its font. A horizontal unit is a
// quarter of the font's average letter width, a vertical unit an eighth of its
// height, as the Windows dialog manager counts them.
#pragma once

#include "platform/window/Geometry.h"

// number * numerator / denominator with a 64-bit product, rounded to the
// nearest integer, halves away from zero; -1 when denominator is 0.
int MulDiv(int number, int numerator, int denominator);

struct CDialogBaseUnits {
    int m_cx = 0; // pixels per 4 horizontal units
    int m_cy = 0; // pixels per 8 vertical units
};

// From the width in pixels of the 52 letters a-z A-Z written together, and
// the font's height (ascent + descent).
CDialogBaseUnits BaseUnitsFromFontMetrics(int widthOf52Letters, int fontHeight);

int DialogUnitsToPixelsX(int units, CDialogBaseUnits base);
int DialogUnitsToPixelsY(int units, CDialogBaseUnits base);

// A control's rectangle: left, top, width and height are each mapped.
CRect DialogRectToPixels(int x, int y, int cx, int cy, CDialogBaseUnits base);
