// The main dialog with its inner state open to the tests, and short ways to
// its controls.
#pragma once

#include "platform/window/qt/TestAccess.h"
#include "ui/PuzzleDlg.h"

#include <QString>

class CTestPuzzleDlg : public CPuzzleDlg {
public:
    using CPuzzleDlg::m_hIcon;
    using CPuzzleDlg::m_pWorker;
    using CPuzzleDlg::m_status;
    using CPuzzleDlg::OnQueryDragIcon;

    QWidget* Window() const { return AfxGetWidget(*this); }
    QWidget* Control(int id) const { return AfxGetDlgItemWidget(*this, id); }

    QString FieldText(int id) const
    {
        CString text;
        GetDlgItemText(id, text);
        return QString::fromUtf8(text.GetString());
    }

    QString Cell(int row, int column) const { return QString::fromUtf8(ListItemText(m_list, row, column).GetString()); }

    bool TimerRuns() const { return TimerElapse(*this, REFRESH_TIMER) != 0; }
};
