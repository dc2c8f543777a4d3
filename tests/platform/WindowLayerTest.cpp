// The window layer on its own: strings, controls, timers, data exchange,
// the message box, the wait cursor, posted messages and modal runs. Its
// dialogs are built from the program's templates, with plain dialog classes.
#include "TestAccess.h"
#include "WindowTestSupport.h"

#include "platform/WaitCursor.h"
#include "platform/window/DataExchange.h"
#include "platform/window/MessageBox.h"
#include "platform/window/WinApp.h"
#include "res/resource.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

// The main dialog's template: a table of 13 columns, a progress bar, and a
// number field and a check box exchanged with members.
class CLayerDlg : public CDialog {
public:
    CLayerDlg() : CDialog(IDD_PUZZLE_DIALOG) {}

    CListCtrl m_list;
    CProgressCtrl m_progress;
    int m_trialCount = 0;
    BOOL m_checkAlternatives = FALSE;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        for (int column = 0; column < 13; ++column)
            m_list.InsertColumn(column, "c");
        return TRUE;
    }

    QWidget* Window() const { return AfxGetWidget(*this); }
    QWidget* Control(int id) const { return AfxGetDlgItemWidget(*this, id); }

protected:
    void DoDataExchange(CDataExchange* exchange) override
    {
        DDX_Control(exchange, IDC_RESULT_LIST, m_list);
        DDX_Control(exchange, IDC_PROGRESS, m_progress);
        DDX_Text(exchange, IDC_TRIALS, m_trialCount);
        DDX_Check(exchange, IDC_COUNT_ALTERNATIVES, m_checkAlternatives);
    }
};

// The About box's template: a dialog with an OK button.
class CAboutBoxDlg : public CDialog {
public:
    CAboutBoxDlg() : CDialog(IDD_ABOUTBOX) {}
};

} // namespace

TEST(WindowLayer, StringsFormatAndLoadFromTheStringTable)
{
    CString text;
    text.Format("%.1f|%02d:%02d|%d", 11.5, 1, 2, -3);
    EXPECT_EQ(text, "11.5|01:02|-3");
    text.Format("%s", std::string(300, 'x').c_str());
    EXPECT_EQ(text.GetLength(), 300);

    ASSERT_TRUE(text.LoadString(101));
    EXPECT_EQ(text, "TorvalyPuzzle のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    EXPECT_FALSE(text.LoadString(999));
    EXPECT_EQ(text, "TorvalyPuzzle のﾊﾞｰｼﾞｮﾝ情報(&A)...");
}

TEST(WindowLayer, ListAndProgressKeepWhatTheyShowReadable)
{
    CLayerDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_PUZZLE_DIALOG));
    CListCtrl& list = dlg.m_list;

    // A column asked for past the end lands at the end.
    EXPECT_EQ(list.InsertColumn(40, "extra"), 13);
    CListColumn column;
    column.m_mask = LVCF_FMT | LVCF_WIDTH;
    ASSERT_TRUE(list.GetColumn(13, &column));
    EXPECT_EQ(ListColumnHeading(list, 13), "extra");
    EXPECT_EQ(column.m_fmt, LVCFMT_LEFT);
    EXPECT_EQ(column.m_cx, 0);
    EXPECT_FALSE(list.GetColumn(14, &column));

    ASSERT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(ListItemCount(list), 0);
    EXPECT_EQ(list.InsertItem(5, "a"), 0);
    EXPECT_EQ(list.InsertItem(0, "b"), 0);
    EXPECT_EQ(ListItemText(list, 0, 0), "b");
    EXPECT_EQ(ListItemText(list, 1, 0), "a");
    EXPECT_TRUE(list.SetItemText(1, 12, "米国"));
    EXPECT_EQ(ListItemText(list, 1, 12), "米国");
    EXPECT_FALSE(list.SetItemText(2, 1, "x"));
    EXPECT_FALSE(list.SetItemText(0, 14, "x"));

    CProgressCtrl& progress = dlg.m_progress;
    progress.SetRange(0, 78);
    EXPECT_EQ(progress.SetPos(40), 0);
    EXPECT_EQ(progress.SetPos(100), 40);
    EXPECT_EQ(ProgressPos(progress), 78); // kept in the range
    progress.SetRange(0, 50);
    EXPECT_EQ(ProgressPos(progress), 50);
    int lower = -1;
    int upper = -1;
    ProgressRange(progress, lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 50);
}

TEST(WindowLayer, DataExchangeFailsOnAFieldThatIsNoNumber)
{
    CLayerDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_PUZZLE_DIALOG));
    dlg.SetDlgItemText(IDC_TRIALS, " 17 ");
    dlg.CheckDlgButton(IDC_COUNT_ALTERNATIVES, 1);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_trialCount, 17);
    EXPECT_EQ(dlg.m_checkAlternatives, TRUE);

    dlg.SetDlgItemText(IDC_TRIALS, "17x");
    dlg.CheckDlgButton(IDC_COUNT_ALTERNATIVES, 0);
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_trialCount, 17);
    // The exchange stopped at the bad field: the check box, after it, was
    // not read, and the field has the focus.
    EXPECT_EQ(dlg.m_checkAlternatives, TRUE);
    EXPECT_EQ(dlg.Window()->focusWidget(), dlg.Control(IDC_TRIALS));
}

namespace {

class CTimerDlg : public CAboutBoxDlg {
public:
    int m_ticks[3] = {0, 0, 0};

protected:
    void OnTimer(UINT_PTR id) override
    {
        if (id < 3)
            ++m_ticks[id];
    }
};

} // namespace

TEST(WindowLayer, TimersReachOnTimerByIdUntilKilled)
{
    CTimerDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_ABOUTBOX));
    EXPECT_EQ(dlg.SetTimer(1, 20), 1u);
    EXPECT_EQ(dlg.SetTimer(2, 30), 2u);
    EXPECT_EQ(dlg.SetTimer(1, 25), 1u); // restarts timer 1 with the new period
    EXPECT_EQ(TimerElapse(dlg, 1), 25u);
    EXPECT_EQ(dlg.SetTimer(0, 20), 0u);
    EXPECT_EQ(dlg.SetTimer(2, 20, [] {}), 0u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.m_ticks[1] >= 3 && dlg.m_ticks[2] >= 3; }, WAIT_FOR_UI_MS));
    EXPECT_EQ(dlg.m_ticks[0], 0);

    EXPECT_TRUE(dlg.KillTimer(1));
    EXPECT_FALSE(dlg.KillTimer(1));
    EXPECT_EQ(TimerElapse(dlg, 1), 0u);
    const int ticksAtKill = dlg.m_ticks[1];
    EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.m_ticks[2] >= ticksAtKill + 3; }, WAIT_FOR_UI_MS));
    EXPECT_EQ(dlg.m_ticks[1], ticksAtKill);
}

namespace {

// Records the program's own messages that reach it, on the windows' thread.
class CMessageDlg : public CAboutBoxDlg {
public:
    std::vector<LPARAM> m_messages;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != WM_APP || QThread::currentThread() != QCoreApplication::instance()->thread())
            return CAboutBoxDlg::WindowProc(message, wParam, lParam);
        m_messages.push_back(lParam);
        return 0;
    }
};

} // namespace

TEST(WindowLayer, MessagesPostedFromAnyThreadReachTheDialogOnItsOwnAndNoneAGoneOne)
{
    CMessageDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_ABOUTBOX));
    const HWND hwnd = dlg.GetSafeHwnd();
    BOOL posted = FALSE;
    std::thread([&] { posted = PostMessage(hwnd, WM_APP, 0, 7); }).join();
    EXPECT_TRUE(posted);
    EXPECT_TRUE(dlg.m_messages.empty()) << "queued, not sent";
    EXPECT_TRUE(QTest::qWaitFor([&] { return dlg.m_messages == std::vector<LPARAM>{7}; }, WAIT_FOR_UI_MS));

    // A message still queued goes with its window; none can follow it.
    EXPECT_TRUE(PostMessage(hwnd, WM_APP, 0, 8));
    dlg.DestroyWindow();
    EXPECT_FALSE(PostMessage(hwnd, WM_APP, 0, 9));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(dlg.m_messages, std::vector<LPARAM>{7});
}

TEST(WindowLayer, MessageBoxesSayOkAndCancelAndAnswerWithTheButtonClicked)
{
    CMessageBoxSeen seen;
    auto cancel = AnswerMessageBox(QStringLiteral("キャンセル"), &seen);
    EXPECT_EQ(AfxMessageBox("中断しますか?", MB_OKCANCEL), IDCANCEL);
    ASSERT_TRUE(cancel->Done());
    EXPECT_EQ(seen.m_title, QStringLiteral("TorvalyPuzzle"));
    EXPECT_EQ(seen.m_buttons, (QStringList{"OK", "キャンセル"}));

    CMessageBoxSeen okSeen;
    auto ok = AnswerMessageBox(QStringLiteral("OK"), &okSeen);
    EXPECT_EQ(AfxMessageBox("x", MB_OKCANCEL), IDOK);
    EXPECT_TRUE(ok->Done());

    CMessageBoxSeen single;
    auto only = AnswerMessageBox(QStringLiteral("OK"), &single);
    EXPECT_EQ(AfxMessageBox("y"), IDOK);
    EXPECT_EQ(single.m_buttons, QStringList{"OK"});
    EXPECT_TRUE(single.m_warningIcon);
}

TEST(WindowLayer, TheWaitCursorShowsBetweenBeginAndEnd)
{
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    {
        CWaitCursor wait;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(WindowLayer, TheApplicationCarriesTheVersionRecord)
{
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("TorvalyPuzzle"));
    EXPECT_EQ(QCoreApplication::applicationVersion(), QStringLiteral("1.0.0.1"));
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral(TORVALY_APP_ID));
    EXPECT_FALSE(QGuiApplication::windowIcon().isNull());
    EXPECT_STREQ(AfxGetAppName(), "TorvalyPuzzle");
}

TEST(WindowLayer, TheAboutBoxEndsWithOkOrEsc)
{
    CAboutBoxDlg about;
    EXPECT_EQ(RunModal(about,
                       [](QWidget* window) {
                           EXPECT_EQ(window->windowTitle(), QStringLiteral("TorvalyPuzzleのﾊﾞｰｼﾞｮﾝ情報"));
                           PressKey(window, Qt::Key_Return);
                       }),
              IDOK);
    EXPECT_EQ(RunModal(about, [](QWidget* window) { PressKey(window, Qt::Key_Escape); }), IDCANCEL);
    EXPECT_EQ(about.GetSafeHwnd(), nullptr);
}
