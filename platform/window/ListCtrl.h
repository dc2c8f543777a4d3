// A list view in report mode: a header of columns and rows of text cells.
#pragma once

#include "platform/window/Wnd.h"

// Column format: the alignment of the column's texts.
inline constexpr int LVCFMT_LEFT = 0x0000;
inline constexpr int LVCFMT_RIGHT = 0x0001;
inline constexpr int LVCFMT_CENTER = 0x0002;
inline constexpr int LVCFMT_JUSTIFYMASK = 0x0003;

// Which members of a CListColumn are meant.
inline constexpr UINT LVCF_FMT = 0x0001;
inline constexpr UINT LVCF_WIDTH = 0x0002;

// Row states: the one with the keyboard focus, and the selected ones.
inline constexpr UINT LVIS_FOCUSED = 0x0001;
inline constexpr UINT LVIS_SELECTED = 0x0002;
// What a row change concerns: its state.
inline constexpr UINT LVIF_STATE = 0x0008;
// GetNextItem: any row, or selected rows only.
inline constexpr int LVNI_ALL = 0x0000;
inline constexpr int LVNI_SELECTED = 0x0002;

// A row's state changed (LVIS_SELECTED for the selection): sent once for
// each row, those losing the state first. Carries an NMLISTVIEW.
inline constexpr UINT LVN_ITEMCHANGED = static_cast<UINT>(-101);

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem;      // the row
    int iSubItem;   // 0
    UINT uNewState; // LVIS_ bits after the change
    UINT uOldState; // and before it
    UINT uChanged;  // LVIF_STATE
};

// NM_DBLCLK from a list view: the row and column double-clicked.
struct NMITEMACTIVATE {
    NMHDR hdr;
    int iItem;
    int iSubItem;
};

struct CListColumn {
    UINT m_mask = 0;
    int m_fmt = LVCFMT_LEFT;
    int m_cx = 0; // width in pixels
};

class CListCtrl : public CWnd {
public:
    // Inserts a column at nCol (at the end when nCol is past it) with its
    // heading, format and width (-1: none given, the column starts 0 wide).
    // Returns the column's index, or -1.
    int InsertColumn(int nCol, const char* heading, int format = LVCFMT_LEFT, int width = -1, int subItem = -1);
    // Reads or writes the members the mask names; FALSE for no such column.
    BOOL GetColumn(int nCol, CListColumn* column) const;
    BOOL SetColumn(int nCol, const CListColumn* column);

    BOOL DeleteAllItems();
    // Inserts a row at nItem (at the end when past it) with the text of its
    // first column. Returns the row's index, or -1.
    int InsertItem(int nItem, const char* text);
    BOOL SetItemText(int nItem, int nSubItem, const char* text);

    // The states of mask (LVIS_SELECTED, LVIS_FOCUSED) set to those of state,
    // on row nItem or, for -1, on every row.
    BOOL SetItemState(int nItem, UINT state, UINT mask);
    UINT GetItemState(int nItem, UINT mask) const;
    // The first row after nItem (-1: from the first row) that flags asks for
    // (LVNI_ALL, LVNI_SELECTED); -1 for none.
    int GetNextItem(int nItem, int flags) const;
    // Scrolls the table so that row nItem shows.
    BOOL EnsureVisible(int nItem, BOOL partialOK);
};
