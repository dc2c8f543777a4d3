// Dialog templates: a dialog's caption, size, font and controls, as the
// resource script describes them. Positions and sizes are in dialog units,
// which the layer turns into pixels with the dialog font's base units.
#pragma once

#include "platform/window/WinTypes.h"

#include <span>

struct CDialogItem {
    const char* className; // "Button", "Edit", "Static", "SysListView32", "msctls_progress32"
    const char* text;      // for an icon ("Static" with SS_ICON): "#<icon id>"
    int id;
    DWORD style;
    short x, y, cx, cy;
};

struct CDialogTemplate {
    UINT id;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy; // cx, cy: the client area
    const char* caption;
    WORD pointSize;
    const char* typeface;
    std::span<const CDialogItem> items; // in tab order
};
