#include "TestAccess.h"

#include "platform/window/qt/DialogWindow.h"
#include "platform/window/qt/ListViewWidget.h"
#include "platform/window/qt/WindowHandle.h"

#include <QAction>
#include <QMenu>
#include <QProgressBar>

namespace {

const CListViewWidget* ListOf(const CListCtrl& list)
{
    return dynamic_cast<const CListViewWidget*>(AfxGetWidget(list));
}

const QProgressBar* BarOf(const CProgressCtrl& progress)
{
    return qobject_cast<const QProgressBar*>(AfxGetWidget(progress));
}

const CDialogWindow* DialogOf(const CWnd& wnd)
{
    const HWND hwnd = wnd.GetSafeHwnd();
    return hwnd != nullptr && hwnd->m_widget != nullptr ? hwnd->m_dialog : nullptr;
}

const QMenu* MenuOf(const CMenu& menu)
{
    return menu.m_hMenu != nullptr ? menu.m_hMenu->m_menu.data() : nullptr;
}

CString ToCString(const QString& text)
{
    return CString(text.toUtf8().toStdString());
}

} // namespace

QWidget* AfxGetWidget(const CWnd& wnd)
{
    return WidgetOf(wnd.GetSafeHwnd());
}

QWidget* AfxGetDlgItemWidget(const CWnd& dialog, int id)
{
    const CWnd* control = dialog.GetDlgItem(id);
    return control != nullptr ? AfxGetWidget(*control) : nullptr;
}

int ListItemCount(const CListCtrl& list)
{
    const CListViewWidget* widget = ListOf(list);
    return widget != nullptr ? widget->RowCount() : 0;
}

CString ListItemText(const CListCtrl& list, int row, int column)
{
    const CListViewWidget* widget = ListOf(list);
    return widget != nullptr ? ToCString(widget->Cell(row, column)) : CString();
}

int ListColumnCount(const CListCtrl& list)
{
    const CListViewWidget* widget = ListOf(list);
    return widget != nullptr ? widget->ColumnCount() : 0;
}

CString ListColumnHeading(const CListCtrl& list, int column)
{
    const CListViewWidget* widget = ListOf(list);
    if (widget == nullptr || column < 0 || column >= widget->ColumnCount())
        return CString();
    return ToCString(widget->Heading(column));
}

int ListAnnouncements(const CListCtrl& list)
{
    const CListViewWidget* widget = ListOf(list);
    return widget != nullptr ? widget->Announcements() : 0;
}

void ProgressRange(const CProgressCtrl& progress, int& lower, int& upper)
{
    const QProgressBar* bar = BarOf(progress);
    lower = bar != nullptr ? bar->minimum() : 0;
    upper = bar != nullptr ? bar->maximum() : 0;
}

int ProgressPos(const CProgressCtrl& progress)
{
    const QProgressBar* bar = BarOf(progress);
    return bar != nullptr ? bar->value() : 0;
}

UINT TimerElapse(const CWnd& wnd, UINT_PTR id)
{
    const CDialogWindow* dialog = DialogOf(wnd);
    return dialog != nullptr ? dialog->Timers().Elapse(id) : 0;
}

HICON WindowIcon(const CWnd& wnd, BOOL bigIcon)
{
    const CDialogWindow* dialog = DialogOf(wnd);
    return dialog != nullptr ? dialog->Icon(bigIcon != FALSE) : nullptr;
}

int DialogWindowResult(const CDialog& dialog)
{
    const CDialogWindow* window = DialogOf(dialog);
    return window != nullptr ? window->result() : 0;
}

int MenuItemCount(const CMenu& menu)
{
    const QMenu* widget = MenuOf(menu);
    return widget != nullptr ? static_cast<int>(widget->actions().size()) : -1;
}

UINT MenuItemId(const CMenu& menu, int position)
{
    const QMenu* widget = MenuOf(menu);
    if (widget == nullptr || position < 0 || position >= widget->actions().size())
        return static_cast<UINT>(-1);
    const QAction* action = widget->actions()[position];
    return action->isSeparator() ? 0 : action->data().toUInt();
}

CString MenuItemText(const CMenu& menu, UINT id)
{
    if (const QMenu* widget = MenuOf(menu)) {
        for (const QAction* action : widget->actions()) {
            bool isCommand = false;
            if (!action->isSeparator() && action->data().toUInt(&isCommand) == id && isCommand)
                return ToCString(action->text());
        }
    }
    return CString();
}
