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
};
