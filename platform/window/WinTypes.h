// Handle and integer types of the window layer, and the message and command
// numbers that the program and the layer share.
#pragma once

#include "platform/Types.h"

#include <cstdint>

using WORD = std::uint16_t;
using UINT_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Opaque handles: what they stand for belongs to the window layer.
using HWND = struct CWindowHandle*;
using HMENU = struct CMenuHandle*;
using HICON = struct CIconHandle*;
using HCURSOR = HICON;
using HDC = struct CPainterHandle*;

// Dialog results and the commands of the standard buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
// Controls that nothing refers to.
inline constexpr int IDC_STATIC = -1;

// Notification of a button click, carried with its command.
inline constexpr UINT BN_CLICKED = 0;

// Window-menu commands. The low four bits are the layer's own, so commands
// are compared under the mask; the layer's commands start at
// FIRST_SYSTEM_COMMAND and the program's stay below it.
inline constexpr UINT SYSTEM_COMMAND_MASK = 0xFFF0;
inline constexpr UINT FIRST_SYSTEM_COMMAND = 0xF000;
inline constexpr UINT SC_CLOSE = 0xF060;

// Notifications from controls to their dialog, WM_NOTIFY's: the header
// that every notification starts with, and the codes that all controls share.
struct NMHDR {
    HWND hwndFrom;   // the control
    UINT_PTR idFrom; // its id
    UINT code;       // what happened
};
inline constexpr UINT NM_DBLCLK = static_cast<UINT>(-3);

// The framework's help command.
inline constexpr UINT ID_HELP = 0xE146;

// Messages that a window can send itself.
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT WM_SYSCOMMAND = 0x0112;
// The first of the program's own messages.
inline constexpr UINT WM_APP = 0x8000;

// Window-menu item flags.
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_SEPARATOR = 0x0800;

// System metrics: the size of a big icon.
inline constexpr int SM_CXICON = 11;
inline constexpr int SM_CYICON = 12;
int GetSystemMetrics(int index);

// What the help key was pressed on.
struct CHelpInfo {
    int m_ctrlId; // the control that had the focus, or 0 for the window itself
};
