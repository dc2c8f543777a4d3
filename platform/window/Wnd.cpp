#include "Wnd.h"

#include "platform/window/Icon.h"
#include "platform/window/WinApp.h"
#include "qt/DialogWindow.h"
#include "qt/WindowRouter.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {

CDialogWindow* DialogOf(HWND hwnd)
{
    return hwnd != nullptr && hwnd->m_widget != nullptr ? hwnd->m_dialog : nullptr;
}

QString FromUtf8(const char* text)
{
    return QString::fromUtf8(text != nullptr ? text : "");
}

} // namespace

int GetSystemMetrics(int index)
{
    switch (index) {
    case SM_CXICON:
    case SM_CYICON:
        return ICON_SIZE;
    default:
        return 0;
    }
}

CWnd::~CWnd()
{
    Detach();
}

CWnd* CWnd::GetDlgItem(int id) const
{
    CDialogWindow* dialog = DialogOf(m_hWnd);
    HWND control = dialog != nullptr ? dialog->FindControl(id) : nullptr;
    if (control == nullptr)
        return nullptr;
    if (control->m_attached != nullptr)
        return control->m_attached;
    if (!control->m_temporary) {
        control->m_temporary = std::make_unique<CWnd>();
        CWindowRouter::SetHandle(*control->m_temporary, control);
    }
    return control->m_temporary.get();
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    if (m_hWnd != nullptr || parent == nullptr)
        return FALSE;
    CDialogWindow* dialog = DialogOf(parent->m_hWnd);
    HWND control = dialog != nullptr ? dialog->FindControl(static_cast<int>(id)) : nullptr;
    if (control == nullptr || control->m_attached != nullptr)
        return FALSE;
    control->m_attached = this;
    m_hWnd = control;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hwnd = m_hWnd;
    if (hwnd != nullptr && hwnd->m_attached == this)
        hwnd->m_attached = nullptr;
    m_hWnd = nullptr;
    return hwnd;
}

void CWnd::SetWindowText(const char* text)
{
    QWidget* widget = WidgetOf(m_hWnd);
    if (widget == nullptr)
        return;
    const QString value = FromUtf8(text);
    if (DialogOf(m_hWnd) != nullptr)
        widget->setWindowTitle(value);
    else if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(value);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(value);
}

void CWnd::GetWindowText(CString& text) const
{
    const QWidget* widget = WidgetOf(m_hWnd);
    QString value;
    if (widget == nullptr)
        value.clear();
    else if (DialogOf(m_hWnd) != nullptr)
        value = widget->windowTitle();
    else if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        value = edit->text();
    else if (auto* label = qobject_cast<const QLabel*>(widget))
        value = label->text();
    else if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        value = button->text();
    text = value.toUtf8().constData();
}

void CWnd::SetDlgItemText(int id, const char* text)
{
    if (CWnd* control = GetDlgItem(id))
        control->SetWindowText(text);
}

void CWnd::GetDlgItemText(int id, CString& text) const
{
    if (const CWnd* control = GetDlgItem(id))
        control->GetWindowText(text);
    else
        text.Empty();
}

void CWnd::CheckDlgButton(int id, UINT check)
{
    const CWnd* control = GetDlgItem(id);
    if (auto* button = qobject_cast<QAbstractButton*>(control != nullptr ? WidgetOf(control->m_hWnd) : nullptr))
        button->setChecked(check != 0);
}

UINT CWnd::IsDlgButtonChecked(int id) const
{
    const CWnd* control = GetDlgItem(id);
    const auto* button = qobject_cast<const QAbstractButton*>(control != nullptr ? WidgetOf(control->m_hWnd) : nullptr);
    return button != nullptr && button->isChecked() ? 1 : 0;
}

BOOL CWnd::IsIconic() const
{
    const QWidget* widget = WidgetOf(m_hWnd);
    return widget != nullptr && widget->isWindow() && widget->isMinimized() ? TRUE : FALSE;
}

void CWnd::SetFocus()
{
    if (QWidget* widget = WidgetOf(m_hWnd))
        widget->setFocus(Qt::OtherFocusReason);
}

void CWnd::GetClientRect(CRect* rect) const
{
    const QWidget* widget = WidgetOf(m_hWnd);
    *rect = widget != nullptr ? CRect{0, 0, widget->width(), widget->height()} : CRect{};
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, void (*proc)())
{
    CDialogWindow* dialog = DialogOf(m_hWnd);
    if (dialog == nullptr || proc != nullptr || id == 0)
        return 0;
    return dialog->Timers().Set(id, elapse);
}

BOOL CWnd::KillTimer(UINT_PTR id)
{
    CDialogWindow* dialog = DialogOf(m_hWnd);
    return dialog != nullptr && dialog->Timers().Kill(id) ? TRUE : FALSE;
}

CMenu* CWnd::GetSystemMenu(BOOL revert)
{
    CDialogWindow* dialog = DialogOf(m_hWnd);
    return dialog != nullptr ? dialog->WindowMenu(revert != FALSE) : nullptr;
}

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon)
{
    CDialogWindow* dialog = DialogOf(m_hWnd);
    return dialog != nullptr ? dialog->SetIcon(icon, bigIcon != FALSE) : nullptr;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return WindowProc(message, wParam, lParam);
}

BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CDialogWindow::Post(hwnd, message, wParam, lParam) ? TRUE : FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wParam), lParam);
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_ICONERASEBKGND: {
        auto* dc = reinterpret_cast<HDC>(wParam);
        QWidget* widget = WidgetOf(m_hWnd);
        if (dc == nullptr || dc->m_painter == nullptr || widget == nullptr)
            return 0;
        dc->m_painter->fillRect(widget->rect(), widget->palette().window());
        return 1;
    }
    default:
        return 0;
    }
}

BOOL CWnd::DestroyWindow()
{
    HWND hwnd = m_hWnd;
    if (hwnd == nullptr || hwnd->m_widget == nullptr)
        return FALSE;
    if (CDialogWindow* dialog = DialogOf(hwnd)) {
        // Destroying the window destroys its handles, which detach every
        // wrapper, this one included.
        dialog->DetachOwner();
        delete dialog;
    } else {
        delete hwnd->m_widget.data();
    }
    return TRUE;
}

BOOL CWnd::OnCommand(UINT, UINT)
{
    return FALSE;
}

void CWnd::OnSysCommand(UINT id, LPARAM)
{
    if ((id & SYSTEM_COMMAND_MASK) == SC_CLOSE)
        SendMessage(WM_CLOSE);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*)
{
    return FALSE;
}

void CWnd::OnTimer(UINT_PTR) {}

// The toolkit has painted the background and the controls paint themselves.
void CWnd::OnPaint() {}

HCURSOR CWnd::OnQueryDragIcon()
{
    return nullptr;
}

BOOL CWnd::OnHelpInfo(CHelpInfo*)
{
    if (CWinApp* app = AfxGetApp())
        app->OnCommand(ID_HELP);
    return TRUE;
}

void CWnd::OnClose()
{
    DestroyWindow();
}
