// The toolkit widget behind a window of the layer, for windows that a
// program builds with the toolkit directly and that belong to one of the
// layer's windows: they take it as their parent. A window that belongs to
// none takes the look of one of the program's dialog templates instead.
#pragma once

#include "platform/window/WinTypes.h"

#include <QFont>
#include <QString>

class QWidget;

// The widget of a dialog or control; null for no window or one that is gone.
QWidget* AfxGetWindowWidget(HWND hwnd);

// The caption and the face of the dialog template id, for a window that
// stands in for that dialog: empty and the toolkit's face when there is no
// such template.
QString AfxGetTemplateCaption(UINT id);
QFont AfxGetTemplateFont(UINT id);
