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
struct CWindowHandle {
    QPointer<QWidget> m_widget;
    CDialogWindow* m_dialog = nullptr; // set on the dialog's own handle
    int m_ctrlId = 0;                  // set on a control's handle
    CWnd* m_attached = nullptr;        // the permanent wrapper, if any
    std::unique_ptr<CWnd> m_temporary; // the wrapper GetDlgItem hands out otherwise

    CWindowHandle();
    ~CWindowHandle();
    CWindowHandle(const CWindowHandle&) = delete;
    CWindowHandle& operator=(const CWindowHandle&) = delete;
};

struct CMenuHandle {
    QPointer<QMenu> m_menu;
};

// Icons are loaded once per id and live until the application object goes.
struct CIconHandle {
    QIcon m_icon;
};

// The painter of a paint in progress.
struct CPainterHandle {
    QPainter* m_painter = nullptr;
};

inline QWidget* WidgetOf(HWND hwnd)
{
    return hwnd != nullptr ? hwnd->m_widget.data() : nullptr;
}
