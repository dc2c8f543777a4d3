// The application's message box.
#pragma once

#include "platform/window/WinTypes.h"

// Buttons.
inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_OKCANCEL = 0x0001;
inline constexpr UINT MB_TYPEMASK = 0x000F;

// Shows text in a modal box titled with the application's name, over the
// active window, with the exclamation mark, and waits for a button: IDOK or
// IDCANCEL. The buttons read "OK" and "キャンセル" whatever the user's
// locale; OK is the default, and Esc answers Cancel, or OK when there is no
// Cancel.
int AfxMessageBox(const char* text, UINT type = MB_OK);
