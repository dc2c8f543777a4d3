#include "Dialog.h"

#include "platform/window/DataExchange.h"
#include "platform/window/Resources.h"
#include "platform/window/WinApp.h"
#include "platform/window/WindowStyles.h"
#include "qt/DialogWindow.h"

#include <QApplication>

namespace {

// The window a dialog belongs to: the one given, else the application's
// main window, else the active window.
QWidget* OwnerWidget(const CWnd* self, CWnd* parent)
{
    if (parent != nullptr && WidgetOf(parent->GetSafeHwnd()) != nullptr)
        return WidgetOf(parent->GetSafeHwnd())->window();
    CWnd* main = AfxGetMainWnd();
    if (main != nullptr && main != self && WidgetOf(main->GetSafeHwnd()) != nullptr)
        return WidgetOf(main->GetSafeHwnd())->window();
    return QApplication::activeWindow();
}

} // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog()
{
    DestroyWindow();
}

BOOL CDialog::BuildWindow(UINT templateId)
{
    const CDialogTemplate* dialogTemplate = AfxFindDialogTemplate(templateId);
    if (dialogTemplate == nullptr || m_hWnd != nullptr || QApplication::instance() == nullptr)
        return FALSE;
    auto* window = new CDialogWindow(*this, OwnerWidget(this, m_parent));
    if (!window->Build(*dialogTemplate)) {
        window->DetachOwner();
        delete window;
        return FALSE;
    }
    m_hWnd = window->Handle();
    m_hWnd->m_attached = this;
    m_modalResult = -1;
    m_ended = false;
    return TRUE;
}

void CDialog::InitDialog()
{
    if (!OnInitDialog())
        return;
    // The first tab stop takes the focus.
    for (QWidget* widget = WidgetOf(m_hWnd)->nextInFocusChain(); widget != WidgetOf(m_hWnd);
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && !widget->isHidden()) {
            widget->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

std::intptr_t CDialog::DoModal()
{
    if (!BuildWindow(m_templateId))
        return -1;
    InitDialog();
    if (!m_ended && m_hWnd != nullptr)
        m_hWnd->m_dialog->exec();
    DestroyWindow();
    return m_modalResult;
}

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_templateId = templateId;
    m_parent = parent;
    if (!BuildWindow(templateId))
        return FALSE;
    InitDialog();
    if (!m_ended && m_hWnd != nullptr && (AfxFindDialogTemplate(templateId)->m_style & WS_VISIBLE) != 0)
        m_hWnd->m_dialog->show();
    return TRUE;
}

void CDialog::EndDialog(int result)
{
    m_modalResult = result;
    m_ended = true;
    if (m_hWnd != nullptr && m_hWnd->m_dialog != nullptr)
        m_hWnd->m_dialog->End(result);
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    if (m_hWnd == nullptr)
        return FALSE;
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return exchange.HasFailed() ? FALSE : TRUE;
}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(UINT id, UINT notifyCode)
{
    if (notifyCode != BN_CLICKED)
        return FALSE;
    if (id == static_cast<UINT>(IDOK)) {
        OnOK();
        return TRUE;
    }
    if (id == static_cast<UINT>(IDCANCEL)) {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}

// A dialog closes through its cancel command.
void CDialog::OnClose()
{
    OnCommand(IDCANCEL, BN_CLICKED);
}
