// Delivers the toolkit's events to a window's message-map handlers, which
// are protected. Internal to the window layer.
#pragma once

#include "platform/window/Wnd.h"

class CWindowRouter {
public:
    static BOOL Command(CWnd& wnd, UINT id, UINT notifyCode) { return wnd.OnCommand(id, notifyCode); }
    static void SysCommand(CWnd& wnd, UINT id, LPARAM param) { wnd.OnSysCommand(id, param); }
    static void Timer(CWnd& wnd, UINT_PTR id) { wnd.OnTimer(id); }
    static BOOL Notify(CWnd& wnd, NMHDR& header)
    {
        LRESULT result = 0;
        return wnd.OnNotify(header.idFrom, reinterpret_cast<LPARAM>(&header), &result);
    }
    static void Paint(CWnd& wnd) { wnd.OnPaint(); }
    static BOOL HelpInfo(CWnd& wnd, CHelpInfo* info) { return wnd.OnHelpInfo(info); }
    static LRESULT Message(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return wnd.WindowProc(message, wParam, lParam);
    }

    // Attaching and detaching wrappers.
    static void SetHandle(CWnd& wnd, HWND hwnd) { wnd.m_hWnd = hwnd; }
};
