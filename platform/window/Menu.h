// A menu of commands: the dialogs' window menu.
#pragma once

#include "platform/window/WinTypes.h"

class CMenu {
public:
    CMenu() = default;
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // MF_SEPARATOR, or MF_STRING with a command id and its text ("&" marks
    // the mnemonic). FALSE when the menu is gone or the text missing.
    BOOL AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr);

    HMENU m_hMenu = nullptr;
};
