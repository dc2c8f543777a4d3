// The application's message box.
#pragma once

#include "platform/window/WinTypes.h"

// Buttons.
inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_OKCANCEL = 0x0001;
inline constexpr UINT MB_TYPEMASK = 0x000F;
// Icons; without one, a box with OK (and Cancel) shows the exclamation mark.
inline constexpr UINT MB_ICONHAND = 0x0010;
inline constexpr UINT MB_ICONQUESTION = 0x0020;
inline constexpr UINT MB_ICONEXCLAMATION = 0x0030;
inline constexpr UINT MB_ICONASTERISK = 0x0040;
inline constexpr UINT MB_ICONMASK = 0x00F0;
// The second button is the default one.
inline constexpr UINT MB_DEFBUTTON2 = 0x0100;

// Shows text in a modal box titled with the application's name, over the
// active window, and waits for a button: IDOK or IDCANCEL. The buttons read
// "OK" and "キャンセル" whatever the user's locale; Esc answers Cancel, or OK
// when there is no Cancel.
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
