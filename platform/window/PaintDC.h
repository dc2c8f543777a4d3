// Drawing on a window from its OnPaint handler.
#pragma once

#include "platform/window/WinTypes.h"

#include <memory>

class CWnd;

// Valid only inside the window's OnPaint; elsewhere it draws nothing.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC GetSafeHdc() const;
    // Draws a big icon with its top-left corner at x, y.
    BOOL DrawIcon(int x, int y, HICON icon);

private:
    std::unique_ptr<CPainterHandle> m_dc;
};
