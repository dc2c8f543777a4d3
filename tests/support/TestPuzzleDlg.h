// The main dialog with its inner state open to the tests, and short ways to
// its controls.
#pragma once

#include "TestAccess.h"
#include "texts/DisplayText.h"
#include "ui/PuzzleDlg.h"

#include <QString>

#include <string>
#include <vector>

class CTestPuzzleDlg : public CPuzzleDlg {
public:
    using CPuzzleDlg::m_hIcon;
    using CPuzzleDlg::m_pWorker;
    using CPuzzleDlg::m_status;
    using CPuzzleDlg::OnQueryDragIcon;
    using CPuzzleDlg::RefreshDisplay;

    QWidget* Window() const { return AfxGetWidget(*this); }
    QWidget* Control(int id) const { return AfxGetDlgItemWidget(*this, id); }

    QString FieldText(int id) const
    {
        CString text;
        GetDlgItemText(id, text);
        return QString::fromUtf8(text.GetString());
    }

    QString Cell(int row, int column) const { return QString::fromUtf8(ListItemText(m_list, row, column).GetString()); }

    // Every cell of the table, row by row, for ReadTableRows.
    std::vector<std::vector<std::string>> Table() const
    {
        std::vector<std::vector<std::string>> rows(ListItemCount(m_list));
        for (int row = 0; row < ListItemCount(m_list); ++row) {
            for (int column = 0; column < RESULT_COLUMN_COUNT; ++column)
                rows[row].push_back(Cell(row, column).toStdString());
        }
        return rows;
    }

    bool TimerRuns() const { return TimerElapse(*this, REFRESH_TIMER) != 0; }
};
