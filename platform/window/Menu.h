// A menu of commands: the dialogs' window menu.
#pragma once

#include "platform/window/String.h"
#include "platform/window/WinTypes.h"

inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_BYPOSITION = 0x0400;

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // MF_SEPARATOR, or MF_STRING with a command id and its text ("&" marks
    // the mnemonic). FALSE when the menu is gone or the text missing.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);

    int GetMenuItemCount() const;
    // The command of the item at position; 0 for a separator, -1 (as UINT)
    // for no such item.
    UINT GetMenuItemID(int position) const;
    // The text of an item by position or by command; its length, or 0.
    int GetMenuString(UINT item, CString& text, UINT flags) const;

    HMENU m_hMenu = nullptr;
};
