#include "Menu.h"

#include "qt/WindowHandle.h"

#include <QAction>
#include <QMenu>

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text)
{
    QMenu* menu = m_hMenu != nullptr ? m_hMenu->m_menu.data() : nullptr;
    if (menu == nullptr)
        return FALSE;
    if ((flags & MF_SEPARATOR) != 0) {
        menu->addSeparator();
        return TRUE;
    }
    if (text == nullptr)
        return FALSE;
    QAction* action = menu->addAction(QString::fromUtf8(text));
    action->setData(static_cast<uint>(id));
    return TRUE;
}
