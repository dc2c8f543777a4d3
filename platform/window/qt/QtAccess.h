// The toolkit widgets behind the layer's windows, for tests and tools that
// drive a dialog with real input events or capture it.
#pragma once

#include "platform/window/Wnd.h"

#include <QWidget>

// The widget of a window (a dialog's own window, or a control), or null.
QWidget* AfxGetWidget(const CWnd& wnd);
// The widget of control id of a dialog, or null.
QWidget* AfxGetDlgItemWidget(const CWnd& dialog, int id);
