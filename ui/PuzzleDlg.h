// The program's main window: starts the search once, shows its progress and
// its best path on a 200 ms timer and its final figures as soon as it ends,
// and stops and waits for the search when it is closed. Its window menu and
// a double-click on a row open the crossing view, which shows the same step
// as the table.
#pragma once

#include "engine/SolverStatus.h"
#include "platform/Thread.h"
#include "platform/window/Dialog.h"
#include "platform/window/ListCtrl.h"
#include "platform/window/ProgressCtrl.h"
#include "res/resource.h"
#include "view/CrossingViewHost.h"

class CPuzzleDlg : public CDialog {
public:
    explicit CPuzzleDlg(CWnd* parent = nullptr);

    enum { IDD = IDD_PUZZLE_DIALOG };

    // The window timer that refreshes the display while a search runs.
    static constexpr UINT_PTR REFRESH_TIMER = 1;
    static constexpr UINT REFRESH_PERIOD_MS = BEST_PATH_PERIOD_MS;
    // Posted by the worker when the search has finished, so that the final
    // figures show at once rather than at the next tick.
    static constexpr UINT WM_SEARCH_FINISHED = WM_APP;

    // Dialog data.
    CListCtrl m_list;
    CProgressCtrl m_progress;
    CString m_roundTripsText;
    int m_arrivedCount;
    int m_trialCount;
    CString m_elapsedText;
    int m_alternativeCount;
    BOOL m_checkAlternatives;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
    void OnOK() override;
    void OnCancel() override;

    // Message map.
    BOOL OnCommand(UINT id, UINT notifyCode) override;
    void OnSysCommand(UINT id, LPARAM param) override;
    void OnPaint() override;
    HCURSOR OnQueryDragIcon() override;
    void OnTimer(UINT_PTR id) override;
    // The table's double-clicks and changes of selection.
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // F1: there is no help, so it shows what the About box says.
    BOOL OnHelpInfo(CHelpInfo* info) override;
    void OnStart();

    // The table's columns, built once.
    int AddCentredColumn(int column, const char* text);
    // Shows the status: progress, counters, elapsed time and, when the best
    // path changed, the table.
    BOOL RefreshDisplay();
    // Selects the row of the step the crossing view shows, and only it, and
    // scrolls it into sight.
    void SelectStepRow(int step);

    HICON m_hIcon;
    // The range last sent to this dialog's progress bar.
    int m_lastRange = -1;
    // Set when the search was started; only ever compared with null.
    CWinThread* m_pWorker;
    CSolverStatus m_status;
    // The crossing view, given every path the table shows.
    CCrossingViewHost m_crossingView;
};
