// Dialog templates: a dialog's caption, size, font and controls, as the
// resource script describes them. Positions and sizes are in dialog units,
// which the layer turns into pixels with the dialog font's base units.
#pragma once

#include "platform/window/WinTypes.h"

#include <span>

struct CDialogItem {
    const char* m_className; // "Button", "Edit", "Static", "SysListView32", "msctls_progress32"
    const char* m_text;      // for an icon ("Static" with SS_ICON): "#<icon id>"
    int m_id;
    DWORD m_style;
    short m_x, m_y, m_cx, m_cy;
    // What a screen reader calls a control that shows no caption of its own
    // and has no label beside it (a table, a progress bar); UTF-8.
    const char* m_accessibleName = nullptr;
};

struct CDialogTemplate {
    UINT m_id;
    DWORD m_style;
    DWORD m_exStyle;
    short m_x, m_y, m_cx, m_cy; // m_cx, m_cy: the client area
    const char* m_caption;
    WORD m_pointSize;
    const char* m_typeface;
    std::span<const CDialogItem> m_items; // in tab order
};
