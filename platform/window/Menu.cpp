#include "Menu.h"

#include "qt/WindowHandle.h"

#include <QAction>
#include <QMenu>

namespace {

QMenu* MenuOf(HMENU menu)
{
    return menu != nullptr ? menu->menu.data() : nullptr;
}

QAction* ItemAt(QMenu* menu, int position)
{
    if (menu == nullptr)
        return nullptr;
    const QList<QAction*> actions = menu->actions();
    return position >= 0 && position < actions.size() ? actions[position] : nullptr;
}

QAction* ItemFor(QMenu* menu, UINT id)
{
    if (menu == nullptr)
        return nullptr;
    for (QAction* action : menu->actions()) {
        bool isCommand = false;
        if (!action->isSeparator() && action->data().toUInt(&isCommand) == id && isCommand)
            return action;
    }
    return nullptr;
}

} // namespace

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, const char* text)
{
    QMenu* menu = MenuOf(m_hMenu);
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

int CMenu::GetMenuItemCount() const
{
    QMenu* menu = MenuOf(m_hMenu);
    return menu != nullptr ? static_cast<int>(menu->actions().size()) : -1;
}

UINT CMenu::GetMenuItemID(int position) const
{
    const QAction* action = ItemAt(MenuOf(m_hMenu), position);
    if (action == nullptr)
        return static_cast<UINT>(-1);
    return action->isSeparator() ? 0 : action->data().toUInt();
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const
{
    QMenu* menu = MenuOf(m_hMenu);
    const QAction* action = (flags & MF_BYPOSITION) != 0 ? ItemAt(menu, static_cast<int>(item)) : ItemFor(menu, item);
    if (action == nullptr || action->isSeparator()) {
        text.Empty();
        return 0;
    }
    text = action->text().toUtf8().constData();
    return text.GetLength();
}
