// Test access to the window layer: the toolkit widgets behind its windows,
// and read-back of what its controls, timers, icons and menus hold. For
// tests and test tools only, in a library of their own that the program
// never links: the program keeps what it shows in its own members and
// never reads it back.
#pragma once

#include "platform/window/Dialog.h"
#include "platform/window/ListCtrl.h"
#include "platform/window/Menu.h"
#include "platform/window/ProgressCtrl.h"

#include <QWidget>

// The widget of a window (a dialog's own window, or a control), or null.
QWidget* AfxGetWidget(const CWnd& wnd);
// The widget of control id of a dialog, or null.
QWidget* AfxGetDlgItemWidget(const CWnd& dialog, int id);

// The table: its rows, the text of a cell, its columns and their headings.
// Empty texts and 0 for what is not there.
int ListItemCount(const CListCtrl& list);
CString ListItemText(const CListCtrl& list, int row, int column);
int ListColumnCount(const CListCtrl& list);
CString ListColumnHeading(const CListCtrl& list, int column);
// How often the table announced a change of its rows to screen readers:
// once for each run of changes, after the program is done with them.
int ListAnnouncements(const CListCtrl& list);

// The progress bar's range and position; 0 when it is not there.
void ProgressRange(const CProgressCtrl& progress, int& lower, int& upper);
int ProgressPos(const CProgressCtrl& progress);

// The period of timer id of a dialog in milliseconds, 0 when it does not run.
UINT TimerElapse(const CWnd& wnd, UINT_PTR id);
// The big or small icon last set on a dialog.
HICON WindowIcon(const CWnd& wnd, BOOL bigIcon);
// The result the dialog's window was ended with; 0 while it runs.
int DialogWindowResult(const CDialog& dialog);

// The window menu's items: their number (-1 without a menu), the command
// of the item at position (0 for a separator, -1 as UINT for none), and the
// text of the item with command id (empty for none).
int MenuItemCount(const CMenu& menu);
UINT MenuItemId(const CMenu& menu, int position);
CString MenuItemText(const CMenu& menu, UINT id);
