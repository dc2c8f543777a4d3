#include "ListCtrl.h"

#include "qt/ListViewWidget.h"
#include "qt/WindowHandle.h"

#include <algorithm>
#include <cstring>

namespace {

CListViewWidget* ListOf(HWND hwnd)
{
    return dynamic_cast<CListViewWidget*>(WidgetOf(hwnd));
}

QString FromUtf8(const char* text)
{
    return QString::fromUtf8(text != nullptr ? text : "");
}

bool IsColumn(const CListViewWidget* list, int column)
{
    return list != nullptr && column >= 0 && column < list->ColumnCount();
}

} // namespace

int CListCtrl::InsertColumn(int nCol, const char* heading, int format, int width, int)
{
    CListViewWidget* list = ListOf(m_hWnd);
    return list != nullptr ? list->InsertColumn(nCol, FromUtf8(heading), format, width) : -1;
}

BOOL CListCtrl::GetColumn(int nCol, CListColumn* column) const
{
    const CListViewWidget* list = ListOf(m_hWnd);
    if (!IsColumn(list, nCol) || column == nullptr)
        return FALSE;
    if (column->m_mask & LVCF_FMT)
        column->m_fmt = list->Format(nCol);
    if (column->m_mask & LVCF_WIDTH)
        column->m_cx = list->Width(nCol);
    return TRUE;
}

BOOL CListCtrl::SetColumn(int nCol, const CListColumn* column)
{
    CListViewWidget* list = ListOf(m_hWnd);
    if (!IsColumn(list, nCol) || column == nullptr)
        return FALSE;
    if (column->m_mask & LVCF_FMT)
        list->SetFormat(nCol, column->m_fmt);
    if (column->m_mask & LVCF_WIDTH)
        list->SetWidth(nCol, std::max(column->m_cx, 0));
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems()
{
    CListViewWidget* list = ListOf(m_hWnd);
    if (list == nullptr)
        return FALSE;
    list->DeleteAllRows();
    return TRUE;
}

int CListCtrl::InsertItem(int nItem, const char* text)
{
    CListViewWidget* list = ListOf(m_hWnd);
    return list != nullptr ? list->InsertRow(nItem, FromUtf8(text)) : -1;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const char* text)
{
    CListViewWidget* list = ListOf(m_hWnd);
    return list != nullptr && list->SetCell(nItem, nSubItem, FromUtf8(text)) ? TRUE : FALSE;
}
