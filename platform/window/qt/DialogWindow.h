// The toolkit window of a dialog: built from its template, it hands the
// user's actions and the toolkit's events to the dialog's message-map
// handlers. Internal to the window layer.
#pragma once

#include "WindowHandle.h"
#include "WindowTimers.h"
#include "platform/window/DialogTemplate.h"

#include <QDialog>

#include <memory>
#include <vector>

class CMenu;
class CWnd;
class QMenu;

class CDialogWindow : public QDialog {
public:
    CDialogWindow(CWnd& owner, QWidget* parent);
    ~CDialogWindow() override;

    // Caption, frame, size, font and controls of the template; false when a
    // control cannot be made.
    bool Build(const CDialogTemplate& dialogTemplate);

    HWND Handle() const { return m_handles.front().get(); }
    HWND FindControl(int id) const;
    CWindowTimers& Timers() { return m_timers; }
    const CWindowTimers& Timers() const { return m_timers; }

    // Null when the template has no WS_SYSMENU.
    CMenu* WindowMenu(bool revert);
    // Opens the window menu at a global position and carries out the chosen
    // command. Opened from the keyboard, its first item is highlighted, so
    // that Enter or the arrows act on it at once.
    void PopUpWindowMenu(const QPoint& globalPos, bool fromKeyboard = false);

    HICON SetIcon(HICON icon, bool bigIcon);
    HICON Icon(bool bigIcon) const { return bigIcon ? m_bigIcon : m_smallIcon; }

    // Queues a message for the owner of the dialog window whose handle is
    // hwnd, from any thread; false when there is no such window. Only the
    // handle's value is looked at: the window may be going on its own thread.
    static bool Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Closes the dialog with result, without a word to its owner.
    void End(int result);
    // The owner is going away: no more events reach it.
    void DetachOwner() { m_owner = nullptr; }
    bool IsPainting() const { return m_painting; }

protected:
    void reject() override;
    void accept() override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    void Command(int id, UINT notifyCode);
    // A control's notification, to the owner's OnNotify.
    void Notify(int id, NMHDR& header);
    bool HasDefaultButton() const;
    int FocusedControlId() const;

    CWnd* m_owner;
    std::vector<std::unique_ptr<CWindowHandle>> m_handles; // the dialog's own first
    CWindowTimers m_timers;
    bool m_hasWindowMenu = false;
    CMenuHandle m_menuHandle;
    std::unique_ptr<CMenu> m_windowMenu;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    bool m_painting = false;
};
