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

BOOL CListCtrl::SetItemState(int nItem, UINT state, UINT mask)
{
    CListViewWidget* list = ListOf(m_hWnd);
    if (list == nullptr || nItem < -1 || nItem >= list->RowCount())
        return FALSE;
    if (mask & LVIS_SELECTED)
        list->SetRowSelected(nItem, (state & LVIS_SELECTED) != 0);
    if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED) && nItem >= 0)
        list->SetFocusedRow(nItem);
    return TRUE;
}

UINT CListCtrl::GetItemState(int nItem, UINT mask) const
{
    const CListViewWidget* list = ListOf(m_hWnd);
    if (list == nullptr)
        return 0;
    UINT state = 0;
    if (list->IsRowSelected(nItem))
        state |= LVIS_SELECTED;
    if (nItem >= 0 && list->FocusedRow() == nItem)
        state |= LVIS_FOCUSED;
    return state & mask;
}

int CListCtrl::GetNextItem(int nItem, int flags) const
{
    const CListViewWidget* list = ListOf(m_hWnd);
    if (list == nullptr)
        return -1;
    for (int row = std::max(nItem + 1, 0); row < list->RowCount(); ++row) {
        if ((flags & LVNI_SELECTED) == 0 || list->IsRowSelected(row))
            return row;
    }
    return -1;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL)
{
    CListViewWidget* list = ListOf(m_hWnd);
    if (list == nullptr || nItem < 0 || nItem >= list->RowCount())
        return FALSE;
    list->ScrollToRow(nItem);
    return TRUE;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const char* text)
{
    CListViewWidget* list = ListOf(m_hWnd);
    return list != nullptr && list->SetCell(nItem, nSubItem, FromUtf8(text)) ? TRUE : FALSE;
}
