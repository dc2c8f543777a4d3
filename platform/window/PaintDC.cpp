#include "PaintDC.h"

#include "platform/window/Icon.h"
#include "platform/window/Wnd.h"
#include "qt/DialogWindow.h"

#include <QPainter>

CPaintDC::CPaintDC(CWnd* wnd) : m_dc(std::make_unique<CPainterHandle>())
{
    HWND hwnd = wnd != nullptr ? wnd->GetSafeHwnd() : nullptr;
    CDialogWindow* dialog = hwnd != nullptr ? hwnd->m_dialog : nullptr;
    if (dialog != nullptr && dialog->IsPainting())
        m_dc->m_painter = new QPainter(dialog);
}

CPaintDC::~CPaintDC()
{
    delete m_dc->m_painter;
}

HDC CPaintDC::GetSafeHdc() const
{
    return m_dc->m_painter != nullptr ? m_dc.get() : nullptr;
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON icon)
{
    if (m_dc->m_painter == nullptr || icon == nullptr)
        return FALSE;
    m_dc->m_painter->drawPixmap(x, y, icon->m_icon.pixmap(ICON_SIZE, ICON_SIZE));
    return TRUE;
}
