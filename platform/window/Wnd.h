// A window of the dialog layer: the dialog itself or one of its controls.
// The C++ object is a wrapper: it is attached to a window while the window
// exists and keeps no state of the window's own, so what a control shows is
// read back from the control.
#pragma once

#include "platform/window/Geometry.h"
#include "platform/window/String.h"
#include "platform/window/WinTypes.h"

class CMenu;

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }

    // A control of this dialog: its attached wrapper, or a wrapper owned by
    // the control. Null when there is no such control.
    CWnd* GetDlgItem(int id) const;
    // Attaches this wrapper to control id of parent, for the life of the
    // control. FALSE when there is no such control or either is attached.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    void SetWindowText(const char* text);
    void GetWindowText(CString& text) const;
    void SetDlgItemText(int id, const char* text);
    void GetDlgItemText(int id, CString& text) const;
    // Check boxes: 1 ticked, 0 not.
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;

    BOOL IsIconic() const;
    void SetFocus();
    void GetClientRect(CRect* rect) const;

    // Window timers, delivered to OnTimer. Setting an id that runs already
    // restarts it with the new period. Only dialogs have timers; proc must be
    // null. Returns id, or 0 when no timer was set.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, void (*proc)() = nullptr);
    BOOL KillTimer(UINT_PTR id);

    // The window menu (the title-bar menu of Windows, which on Linux belongs
    // to the window manager, so the layer gives each dialog its own): null
    // when the window has none. With revert set, the menu is put back to its
    // initial state and null is returned.
    CMenu* GetSystemMenu(BOOL revert);

    HICON SetIcon(HICON icon, BOOL bigIcon);

    // Hands a message to WindowProc at once.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    BOOL DestroyWindow();

protected:
    // The message map: the layer calls these for the window's messages.
    // A command from a control or a menu; TRUE when it was handled.
    virtual BOOL OnCommand(UINT id, UINT notifyCode);
    // A window-menu command. The default closes the window on SC_CLOSE.
    virtual void OnSysCommand(UINT id, LPARAM param);
    // A notification from a control (WM_NOTIFY): wParam is the control's id
    // and lParam points to an NMHDR, or to a larger record that starts with
    // one. TRUE when it was handled, with *result the answer.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void OnTimer(UINT_PTR id);
    // The default lets the toolkit paint the window.
    virtual void OnPaint();
    // The cursor to drag a minimised window with; the default has none.
    // Kept for the program's message map: on Linux the window manager drags
    // minimised windows and the layer never asks.
    virtual HCURSOR OnQueryDragIcon();
    // The help key. The default sends ID_HELP to the application.
    virtual BOOL OnHelpInfo(CHelpInfo* info);
    // WM_CLOSE; the default destroys the window.
    virtual void OnClose();
    // Every message sent or posted to the window. The default handles the
    // few that a window sends itself: WM_SYSCOMMAND, WM_CLOSE and
    // WM_ICONERASEBKGND (wParam: the HDC to erase on); a window that takes
    // messages of its own (WM_APP and up) overrides it and passes the rest on.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;

private:
    // Lets go of the window, which lives on without this wrapper.
    HWND Detach();

    friend class CWindowRouter;
};

// Queues a message for a dialog's WindowProc, which gets it on the thread
// that runs the windows; callable from any thread, with the handle alone.
// FALSE when hwnd is no dialog that exists; a message whose dialog goes
// before it is delivered is dropped with it.
BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
