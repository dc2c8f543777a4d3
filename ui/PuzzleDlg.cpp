#include "PuzzleDlg.h"

#include "AboutDlg.h"
#include "engine/SolverWorker.h"
#include "engine/WorkerTask.h"
#include "platform/window/DataExchange.h"
#include "platform/window/Icon.h"
#include "platform/window/Menu.h"
#include "platform/window/MessageBox.h"
#include "platform/window/PaintDC.h"
#include "texts/DisplayText.h"

// Window-menu commands must leave the low four bits to the window layer and
// stay below the layer's own commands.
static_assert((IDM_ABOUTBOX & SYSTEM_COMMAND_MASK) == IDM_ABOUTBOX && IDM_ABOUTBOX < FIRST_SYSTEM_COMMAND);
static_assert((IDM_CROSSINGVIEW & SYSTEM_COMMAND_MASK) == IDM_CROSSINGVIEW && IDM_CROSSINGVIEW < FIRST_SYSTEM_COMMAND);

namespace {

// Every column, the step numbers' too, is this many pixels wide.
constexpr int COLUMN_WIDTH = 44;

// The worker's notification that the search has finished, on its thread:
// it touches nothing but the window's handle.
void PostSearchFinished(void* window)
{
    PostMessage(static_cast<HWND>(window), CPuzzleDlg::WM_SEARCH_FINISHED);
}

} // namespace

CPuzzleDlg::CPuzzleDlg(CWnd* parent)
    : CDialog(CPuzzleDlg::IDD, parent), m_arrivedCount(0), m_trialCount(0), m_alternativeCount(0),
      m_checkAlternatives(FALSE), m_hIcon(AfxLoadIcon(IDR_MAINFRAME)), m_pWorker(nullptr),
      m_crossingView([this](int step) { SelectStepRow(step); })
{
}

void CPuzzleDlg::DoDataExchange(CDataExchange* exchange)
{
    CDialog::DoDataExchange(exchange);
    DDX_Control(exchange, IDC_RESULT_LIST, m_list);
    DDX_Control(exchange, IDC_PROGRESS, m_progress);
    DDX_Text(exchange, IDC_ROUND_TRIPS, m_roundTripsText);
    DDX_Text(exchange, IDC_ARRIVED, m_arrivedCount);
    DDX_Text(exchange, IDC_TRIALS, m_trialCount);
    DDX_Text(exchange, IDC_ELAPSED, m_elapsedText);
    DDX_Text(exchange, IDC_ALTERNATIVES, m_alternativeCount);
    DDX_Check(exchange, IDC_COUNT_ALTERNATIVES, m_checkAlternatives);
}

BOOL CPuzzleDlg::OnCommand(UINT id, UINT notifyCode)
{
    if (id == IDC_START && notifyCode == BN_CLICKED) {
        OnStart();
        return TRUE;
    }
    return CDialog::OnCommand(id, notifyCode);
}

BOOL CPuzzleDlg::OnInitDialog()
{
    // Attaches the table and the progress bar and shows the members.
    CDialog::OnInitDialog();

    if (CMenu* windowMenu = GetSystemMenu(FALSE)) {
        CString aboutMenu;
        aboutMenu.LoadString(IDS_ABOUTBOX);
        if (!aboutMenu.IsEmpty()) {
            windowMenu->AppendMenu(MF_SEPARATOR);
            windowMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
        }
        CString viewMenu;
        viewMenu.LoadString(IDS_CROSSINGVIEW);
        if (!viewMenu.IsEmpty())
            windowMenu->AppendMenu(MF_STRING, IDM_CROSSINGVIEW, viewMenu);
    }

    SetIcon(m_hIcon, TRUE);

    m_pWorker = nullptr;

    for (int column = 0; column < RESULT_COLUMN_COUNT; ++column)
        AddCentredColumn(column, ColumnHeader(column));

    // The initial path and zero counters show before anything is pressed.
    RefreshDisplay();

    return TRUE;
}

void CPuzzleDlg::OnSysCommand(UINT id, LPARAM param)
{
    if ((id & SYSTEM_COMMAND_MASK) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else if ((id & SYSTEM_COMMAND_MASK) == IDM_CROSSINGVIEW) {
        // At the selected row, or where the view was.
        const int selected = m_list.GetNextItem(-1, LVNI_SELECTED);
        m_crossingView.Open(m_hWnd, selected >= 0 ? selected : CCrossingViewHost::KEEP_STEP);
    } else {
        CDialog::OnSysCommand(id, param);
    }
}

BOOL CPuzzleDlg::OnHelpInfo(CHelpInfo*)
{
    SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
    return TRUE;
}

void CPuzzleDlg::OnPaint()
{
    if (IsIconic()) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

        // The icon, centred in the client area.
        const int iconWidth = GetSystemMetrics(SM_CXICON);
        const int iconHeight = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        const int x = (rect.Width() - iconWidth + 1) / 2;
        const int y = (rect.Height() - iconHeight + 1) / 2;
        dc.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }
}

HCURSOR CPuzzleDlg::OnQueryDragIcon()
{
    return m_hIcon;
}

// Enter acts on the start button, the default one; there is no OK button, and
// nothing closes the dialog but the cancel command.
void CPuzzleDlg::OnOK() {}

void CPuzzleDlg::OnCancel()
{
    if (m_pWorker != nullptr) {
        if (!m_status.m_finished) {
            if (AfxMessageBox(ABORT_QUESTION, MB_OKCANCEL) != IDOK)
                return;
        }
        // The status is the worker's too: the dialog may only end once no
        // worker is left.
        RequestAbortAndWait(INFINITE);
    }
    CDialog::OnCancel();
}

void CPuzzleDlg::OnStart()
{
    // One search per run of the program.
    if (m_pWorker != nullptr)
        return;
    UpdateData(TRUE);
    m_status.m_countAlternatives = m_checkAlternatives;
    // Null when the thread could not be started: the timer runs all the same
    // and the button can be pressed again.
    m_pWorker = StartSolverWorker(&m_status, {&PostSearchFinished, GetSafeHwnd()});
    SetTimer(REFRESH_TIMER, REFRESH_PERIOD_MS, nullptr);
}

void CPuzzleDlg::OnTimer(UINT_PTR id)
{
    // The flag is read before the refresh: a search that ends after the read
    // is drawn by the next tick, so the last tick always shows the final
    // figures.
    const BOOL finished = m_status.m_finished;
    RefreshDisplay();
    if (finished)
        KillTimer(id);
}

BOOL CPuzzleDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (wParam != IDC_RESULT_LIST || header == nullptr)
        return CDialog::OnNotify(wParam, lParam, result);
    if (header->code == NM_DBLCLK) {
        const auto* activate = reinterpret_cast<const NMITEMACTIVATE*>(header);
        if (activate->iItem >= 0)
            m_crossingView.Open(m_hWnd, activate->iItem);
        return TRUE;
    }
    if (header->code == LVN_ITEMCHANGED) {
        // A row newly selected; the selection's other changes, and those of a
        // refill, leave the view where it is.
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
        if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) &&
            !(change->uOldState & LVIS_SELECTED))
            m_crossingView.ShowStep(change->iItem);
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

// The selection this makes comes back as a change of selection, of the step
// the view already shows, so it goes no further.
void CPuzzleDlg::SelectStepRow(int step)
{
    m_list.SetItemState(-1, 0, LVIS_SELECTED);
    m_list.SetItemState(step, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.EnsureVisible(step, FALSE);
}

LRESULT CPuzzleDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The final figures; the timer goes on until its next tick sees the
    // search finished, as it would without this.
    if (message == WM_SEARCH_FINISHED) {
        RefreshDisplay();
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

int CPuzzleDlg::AddCentredColumn(int column, const char* text)
{
    const int index = m_list.InsertColumn(column, text, LVCFMT_LEFT, -1, -1);
    if (index == column) {
        CListColumn format;
        format.m_mask = LVCF_FMT | LVCF_WIDTH;
        if (m_list.GetColumn(column, &format)) {
            format.m_fmt |= LVCFMT_CENTER;
            format.m_cx = COLUMN_WIDTH;
            m_list.SetColumn(column, &format);
        }
    }
    return index;
}

BOOL CPuzzleDlg::RefreshDisplay()
{
    const int progressMax = m_status.m_progressMax;
    if (progressMax != m_lastRange) {
        m_progress.SetRange(0, static_cast<short>(progressMax));
        m_lastRange = progressMax;
    }
    m_progress.SetPos(m_status.m_progressPos);

    CCrossingPath best;
    if (m_status.TakeBestIfChanged(best)) {
        m_arrivedCount = best.ArrivedCount();
        m_roundTripsText = RoundTripsText(best.Top()).c_str();
        m_list.DeleteAllItems();
        for (int step = 0; step <= best.Top(); ++step) {
            const std::array<std::string, RESULT_COLUMN_COUNT> cells = PathRowTexts(best, step);
            m_list.InsertItem(step, cells[0].c_str());
            for (int column = 1; column < RESULT_COLUMN_COUNT; ++column)
                m_list.SetItemText(step, column, cells[column].c_str());
        }
        m_crossingView.ShowPath(best);
    }

    m_elapsedText = ElapsedText(m_status.m_startClock, m_status.m_lastClock).c_str();
    m_trialCount = m_status.m_trials;
    m_alternativeCount = m_status.m_alternatives;

    // Also puts the check box back to what it was at the start.
    UpdateData(FALSE);
    return TRUE;
}
