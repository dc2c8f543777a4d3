#include "DataExchange.h"

#include "platform/window/Wnd.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

// Reads a whole decimal int, spaces around it allowed.
bool ParseInt(const char* text, int& value)
{
    errno = 0;
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0')
        return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

void CDataExchange::Fail(int id)
{
    m_failed = true;
    if (CWnd* control = m_pDlgWnd->GetDlgItem(id))
        control->SetFocus();
}

void DDX_Control(CDataExchange* exchange, int id, CWnd& control)
{
    if (exchange->HasFailed() || control.GetSafeHwnd() != nullptr)
        return;
    control.SubclassDlgItem(static_cast<UINT>(id), exchange->m_pDlgWnd);
}

void DDX_Text(CDataExchange* exchange, int id, CString& value)
{
    if (exchange->HasFailed())
        return;
    if (exchange->m_bSaveAndValidate) {
        exchange->m_pDlgWnd->GetDlgItemText(id, value);
        return;
    }
    // Only a change is written, so an unchanged field keeps its scroll and
    // selection.
    CString shown;
    exchange->m_pDlgWnd->GetDlgItemText(id, shown);
    if (!(shown == value))
        exchange->m_pDlgWnd->SetDlgItemText(id, value);
}

void DDX_Text(CDataExchange* exchange, int id, int& value)
{
    if (exchange->HasFailed())
        return;
    if (exchange->m_bSaveAndValidate) {
        CString text;
        exchange->m_pDlgWnd->GetDlgItemText(id, text);
        if (!ParseInt(text, value))
            exchange->Fail(id);
        return;
    }
    CString text;
    text.Format("%d", value);
    DDX_Text(exchange, id, text);
}

void DDX_Check(CDataExchange* exchange, int id, int& value)
{
    if (exchange->HasFailed())
        return;
    if (exchange->m_bSaveAndValidate)
        value = static_cast<int>(exchange->m_pDlgWnd->IsDlgButtonChecked(id));
    else
        exchange->m_pDlgWnd->CheckDlgButton(id, value != 0 ? 1 : 0);
}
