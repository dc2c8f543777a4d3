// What the layer's handles stand for. Internal to the window layer.
#pragma once

#include "platform/window/WinTypes.h"

#include <QIcon>
#include <QPointer>
#include <QWidget>

#include <memory>

class CWnd;
class CDialogWindow;
class QMenu;
class QPainter;

// One window: a dialog or one of its controls. Owned by the dialog's window,
// which destroys its handles with itself.
struct HWND__ {
    QPointer<QWidget> widget;
    CDialogWindow* dialog = nullptr; // set on the dialog's own handle
    int ctrlId = 0;                  // set on a control's handle
    CWnd* attached = nullptr;        // the permanent wrapper, if any
    std::unique_ptr<CWnd> temporary; // the wrapper GetDlgItem hands out otherwise

    HWND__();
    ~HWND__();
    HWND__(const HWND__&) = delete;
    HWND__& operator=(const HWND__&) = delete;
};

struct HMENU__ {
    QPointer<QMenu> menu;
};

// Icons are loaded once per id and live until the application object goes.
struct HICON__ {
    QIcon icon;
};

// The painter of a paint in progress.
struct HDC__ {
    QPainter* painter = nullptr;
};

inline QWidget* WidgetOf(HWND hwnd)
{
    return hwnd != nullptr ? hwnd->widget.data() : nullptr;
}
