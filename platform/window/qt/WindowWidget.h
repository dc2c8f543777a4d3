// The toolkit widget behind a window of the layer, for windows that a
// program builds with the toolkit directly and that belong to one of the
// layer's windows: they take it as their parent.
#pragma once

#include "platform/window/WinTypes.h"

class QWidget;

// The widget of a dialog or control; null for no window or one that is gone.
QWidget* AfxGetWindowWidget(HWND hwnd);
