// The main dialog driven as the user drives it: clicks, keys, the window
// menu and the close box, with a real search on a worker thread.
#include "TableReader.h"
#include "TestPuzzleDlg.h"
#include "WorkerGate.h"

#include "engine/AbortEvent.h"
#include "engine/WorkerTask.h"
#include "platform/Thread.h"
#include "platform/WaitCursor.h"
#include "platform/window/DataExchange.h"
#include "platform/window/ListCtrl.h"
#include "platform/window/WinApp.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The table's rows as the user reads them: numbered, starting with everybody
// on the start side and ending with everybody arrived, a legal path of 23
// trips.
void ExpectCompleteBestPath(const CTestPuzzleDlg& dlg)
{
    ASSERT_EQ(ListItemCount(dlg.m_list), 47);
    CCrossingPath shown;
    EXPECT_EQ(ReadTableRows(dlg.Table(), shown), "");
    EXPECT_EQ(shown.Top(), 46);
    EXPECT_EQ(shown.ArrivedCount(), TRAVELLER_COUNT);
    EXPECT_EQ(dlg.FieldText(IDC_ROUND_TRIPS), QStringLiteral("11.5"));
    EXPECT_EQ(dlg.FieldText(IDC_ARRIVED), QStringLiteral("12"));
}

QString ElapsedOf(const CSolverStatus& status)
{
    const int seconds = (static_cast<int>(status.m_lastClock) - static_cast<int>(status.m_startClock)) / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return QString::fromLatin1(text);
}

// Runs a function when a window hides.
class CHideWatcher : public QObject {
public:
    CHideWatcher(QWidget* window, std::function<void()> onHide) : m_onHide(std::move(onHide))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && m_onHide) {
            m_onHide();
            m_onHide = nullptr;
        }
        return false;
    }

private:
    std::function<void()> m_onHide;
};

bool IsChecked(QWidget* box)
{
    return static_cast<QCheckBox*>(box)->isChecked();
}

} // namespace

TEST(PuzzleDialog, ShowsTheInitialPathAndLayoutBeforeAnyStart)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    QWidget* window = dlg.Window();
    ASSERT_NE(window, nullptr);

    EXPECT_EQ(window->windowTitle(), QStringLiteral("Torvalyパズル"));
    // One row: step 1, everybody on the start side.
    ASSERT_EQ(ListItemCount(dlg.m_list), 1);
    EXPECT_EQ(dlg.Cell(0, 0), QStringLiteral("1"));
    for (int column = 1; column <= 12; ++column)
        EXPECT_EQ(dlg.Cell(0, column), QStringLiteral("日本"));
    EXPECT_EQ(dlg.FieldText(IDC_ROUND_TRIPS), QStringLiteral("0.0"));
    EXPECT_EQ(dlg.FieldText(IDC_ARRIVED), QStringLiteral("0"));
    EXPECT_EQ(dlg.FieldText(IDC_TRIALS), QStringLiteral("0"));
    EXPECT_EQ(dlg.FieldText(IDC_ALTERNATIVES), QStringLiteral("0"));
    EXPECT_EQ(dlg.FieldText(IDC_ELAPSED), QStringLiteral("00:00:00"));
    int lower = -1;
    int upper = -1;
    ProgressRange(dlg.m_progress, lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 100);
    EXPECT_EQ(ProgressPos(dlg.m_progress), 0);
    EXPECT_FALSE(IsChecked(dlg.Control(IDC_COUNT_ALTERNATIVES)));
    EXPECT_FALSE(dlg.TimerRuns());
    EXPECT_EQ(dlg.m_pWorker, nullptr);

    // The focus is on the first tab stop, the check box; the tab order
    // follows the template.
    EXPECT_EQ(window->focusWidget(), dlg.Control(IDC_COUNT_ALTERNATIVES));
    EXPECT_EQ(dlg.Control(IDC_COUNT_ALTERNATIVES)->nextInFocusChain(), dlg.Control(IDC_START));
    EXPECT_EQ(dlg.Control(IDC_START)->nextInFocusChain(), dlg.Control(IDC_RESULT_LIST));
    EXPECT_EQ(dlg.Control(IDC_TRIALS)->focusPolicy() & Qt::TabFocus, 0);

    // Columns: headers, 44 pixels, asked to centre; the first is drawn left.
    ASSERT_EQ(ListColumnCount(dlg.m_list), 13);
    for (int column = 0; column < RESULT_COLUMN_COUNT; ++column)
        EXPECT_EQ(ListColumnHeading(dlg.m_list, column), ColumnHeader(column)) << column;
    auto* tree = qobject_cast<QTreeWidget*>(dlg.Control(IDC_RESULT_LIST));
    ASSERT_NE(tree, nullptr);
    for (int column = 0; column < 13; ++column) {
        CListColumn format;
        format.m_mask = LVCF_FMT | LVCF_WIDTH;
        ASSERT_TRUE(dlg.m_list.GetColumn(column, &format));
        EXPECT_EQ(format.m_fmt & LVCFMT_JUSTIFYMASK, LVCFMT_CENTER) << column;
        EXPECT_EQ(format.m_cx, 44) << column;
        EXPECT_EQ(tree->columnWidth(column), 44) << column;
        const Qt::Alignment expected = column == 0 ? Qt::AlignLeft : Qt::AlignHCenter;
        EXPECT_TRUE(Qt::Alignment(tree->topLevelItem(0)->textAlignment(column)) & expected) << column;
    }

    // The font is a Japanese face, and every position is the template's in
    // that font's dialog units.
    const QString family = QFontInfo(window->font()).family();
    EXPECT_TRUE(family == QStringLiteral("IPAPGothic") || family == QStringLiteral("Noto Sans CJK JP"))
        << family.toStdString();
    const QFontMetrics metrics(window->font());
    const int baseX =
        (metrics.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ")) / 26 + 1) /
        2;
    const int baseY = metrics.height();
    const auto px = [baseX](int units) { return (units * baseX * 2 + 4) / 8; };
    const auto py = [baseY](int units) { return (units * baseY * 2 + 8) / 16; };
    EXPECT_EQ(window->size(), QSize(px(351), py(247)));
    struct CPlace {
        int m_id, m_x, m_y, m_cx, m_cy;
    };
    const CPlace places[] = {
        {IDC_COUNT_ALTERNATIVES, 243, 7, 42, 12}, {IDC_START, 302, 7, 42, 28},
        {IDC_RESULT_LIST, 7, 61, 337, 179},       {IDC_TRIALS, 66, 21, 42, 14},
        {IDC_ROUND_TRIPS, 125, 22, 42, 14},       {IDC_ARRIVED, 184, 21, 42, 14},
        {IDC_PROGRESS, 7, 41, 337, 14},           {IDC_ELAPSED, 7, 21, 42, 14},
        {IDC_ALTERNATIVES, 243, 21, 42, 14},
    };
    for (const CPlace& p : places)
        EXPECT_EQ(dlg.Control(p.m_id)->geometry(), QRect(px(p.m_x), py(p.m_y), px(p.m_cx), py(p.m_cy))) << p.m_id;

    // The window shows the application icon.
    EXPECT_NE(dlg.m_hIcon, nullptr);
    EXPECT_EQ(WindowIcon(dlg, TRUE), dlg.m_hIcon);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(dlg.OnQueryDragIcon(), dlg.m_hIcon);
}

TEST(PuzzleDialog, StartsOnceByButtonAndPutsTheCheckBoxBackWhileRunning)
{
    CWorkerGate gate;
    CTestPuzzleDlg dlg;
    CWorkerCleanup cleanup;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));

    ClickWidget(dlg.Control(IDC_START));
    EXPECT_NE(dlg.m_pWorker, nullptr);
    EXPECT_EQ(TimerElapse(dlg, CPuzzleDlg::REFRESH_TIMER), 200u);
    EXPECT_EQ(g_runningWorkers.load(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return gate.StartedThreads() == 1; }, WAIT_FOR_UI_MS));
    EXPECT_FALSE(dlg.m_status.m_countAlternatives);

    // Ticking the box during the search is undone by the next tick and
    // reaches neither the search nor a second start.
    QWidget* box = dlg.Control(IDC_COUNT_ALTERNATIVES);
    ClickWidget(box);
    EXPECT_TRUE(IsChecked(box));
    ClickWidget(dlg.Control(IDC_START));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !IsChecked(box); }, WAIT_FOR_UI_MS));
    EXPECT_FALSE(dlg.m_status.m_countAlternatives);
    EXPECT_EQ(gate.StartedThreads(), 1);
    EXPECT_EQ(g_runningWorkers.load(), 1);

    // The search runs to its end: the tick that sees it stops the timer and
    // the final figures stay on screen.
    gate.Open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.TimerRuns(); }, WAIT_FOR_SEARCH_MS));
    EXPECT_TRUE(dlg.m_status.m_finished);
    ExpectCompleteBestPath(dlg);
    EXPECT_EQ(dlg.FieldText(IDC_ALTERNATIVES), QStringLiteral("0"));
    EXPECT_EQ(dlg.FieldText(IDC_TRIALS), QString::number(static_cast<int>(dlg.m_status.m_trials)));
    EXPECT_GT(static_cast<int>(dlg.m_status.m_trials), 0);
    EXPECT_EQ(dlg.FieldText(IDC_ELAPSED), ElapsedOf(dlg.m_status));
    int lower = -1;
    int upper = -1;
    ProgressRange(dlg.m_progress, lower, upper);
    EXPECT_EQ(upper, 78);
    EXPECT_EQ(ProgressPos(dlg.m_progress), 78);

    // After the end the box can be ticked, to no effect, and stays ticked.
    ClickWidget(box);
    EXPECT_TRUE(IsChecked(box));
    EXPECT_FALSE(dlg.TimerRuns());
    EXPECT_EQ(gate.StartedThreads(), 1);
}

TEST(PuzzleDialog, EnterStartsOnceAndNeverClosesEscClosesAfterTheEndWithoutAQuestion)
{
    CTestPuzzleDlg dlg;
    CWorkerCleanup cleanup;
    CMessageBoxSeen seen;
    std::unique_ptr<CUiResponder> box;
    int startedAfterSecondEnter = -1;
    const std::intptr_t result = RunModal(dlg, [&](QWidget* window) {
        // The focus is on the check box: Enter goes to the default button.
        ASSERT_EQ(window->focusWidget(), dlg.Control(IDC_COUNT_ALTERNATIVES));
        PressKey(window, Qt::Key_Return);
        EXPECT_TRUE(window->isVisible());
        EXPECT_NE(dlg.m_pWorker, nullptr);
        EXPECT_EQ(TimerElapse(dlg, CPuzzleDlg::REFRESH_TIMER), 200u);
        CWinThread* first = dlg.m_pWorker;
        PressKey(window, Qt::Key_Enter);
        EXPECT_TRUE(window->isVisible());
        startedAfterSecondEnter = dlg.m_pWorker == first ? 1 : 2;

        EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg.TimerRuns(); }, WAIT_FOR_SEARCH_MS));
        ExpectCompleteBestPath(dlg);

        // Enter after the end does nothing either.
        PressKey(window, Qt::Key_Return);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(dlg.TimerRuns());

        box = AnswerMessageBox(QStringLiteral("OK"), &seen);
        PressKey(window, Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(startedAfterSecondEnter, 1);
    EXPECT_FALSE(box->Done()) << "asked " << seen.m_text.toStdString();
    EXPECT_EQ(g_runningWorkers.load(), 0);
}

TEST(PuzzleDialog, ClosesAtOnceBeforeAnyStart)
{
    CWorkerCleanup cleanup;
    for (const bool byCloseBox : {false, true}) {
        CTestPuzzleDlg dlg;
        CMessageBoxSeen seen;
        std::unique_ptr<CUiResponder> box;
        const std::intptr_t result = RunModal(dlg, [&](QWidget* window) {
            box = AnswerMessageBox(QStringLiteral("OK"), &seen);
            if (byCloseBox)
                window->close();
            else
                PressKey(window, Qt::Key_Escape);
        });
        EXPECT_EQ(result, IDCANCEL) << byCloseBox;
        EXPECT_FALSE(box->Done()) << byCloseBox;
        // The events were not touched.
        EXPECT_FALSE(g_abortEvent.Lock(0)) << byCloseBox;
        EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    }
}

namespace {

int g_waitCursorsShown = 0;
int g_waitCursorsHidden = 0;

// Counts the wait cursors the dialog shows, and shows them as the window
// layer does; the layer's own handlers come back when it goes.
class CWaitCursorCounter {
public:
    CWaitCursorCounter()
    {
        g_waitCursorsShown = 0;
        g_waitCursorsHidden = 0;
        SetWaitCursorHandlers({[] {
                                   ++g_waitCursorsShown;
                                   QApplication::setOverrideCursor(Qt::WaitCursor);
                               },
                               [] {
                                   ++g_waitCursorsHidden;
                                   QApplication::restoreOverrideCursor();
                               }});
    }
    ~CWaitCursorCounter() { AfxWinInit(); }
};

} // namespace

TEST(PuzzleDialog, CloseWhileRunningAsksCancelGoesOnOkStopsAndWaits)
{
    CWaitCursorCounter cursors;
    CWorkerGate gate;
    CTestPuzzleDlg dlg;
    CWorkerCleanup cleanup;
    CMessageBoxSeen cancelled;
    CMessageBoxSeen confirmed;
    std::unique_ptr<CUiResponder> first;
    std::unique_ptr<CUiResponder> second;
    std::unique_ptr<CHideWatcher> watcher;
    int runningAtHide = -1;
    bool finishedAtHide = false;
    const std::intptr_t result = RunModal(dlg, [&](QWidget* window) {
        ClickWidget(dlg.Control(IDC_START));
        ASSERT_TRUE(QTest::qWaitFor([&] { return gate.StartedThreads() == 1; }, WAIT_FOR_UI_MS));
        // The gate lets the worker go only once the stop is requested, which
        // here only the OK below does. Armed before the first close, so that a
        // close that stops without asking fails below instead of waiting for
        // a held worker for ever.
        gate.OpenWhenAbortRequested();

        first = AnswerMessageBox(QStringLiteral("キャンセル"), &cancelled);
        PressKey(window, Qt::Key_Escape);
        ASSERT_TRUE(first->Done()) << "closing during the search did not ask first";
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(dlg.TimerRuns());
        EXPECT_EQ(g_runningWorkers.load(), 1);
        EXPECT_FALSE(dlg.m_status.m_finished);
        EXPECT_FALSE(g_abortEvent.Lock(0));

        // OK: the stop is requested and the dialog waits for the worker.
        // What the dialog saw as it went is taken when its window hides.
        watcher = std::make_unique<CHideWatcher>(window, [&] {
            runningAtHide = g_runningWorkers.load();
            finishedAtHide = dlg.m_status.m_finished != FALSE;
        });
        second = AnswerMessageBox(QStringLiteral("OK"), &confirmed);
        window->close();
    });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_TRUE(second && second->Done());
    EXPECT_EQ(cancelled.m_text, QStringLiteral("中断しますか?"));
    EXPECT_EQ(cancelled.m_title, QStringLiteral("TorvalyPuzzle"));
    EXPECT_EQ(cancelled.m_buttons, (QStringList{"OK", "キャンセル"}));
    EXPECT_TRUE(cancelled.m_warningIcon);
    EXPECT_EQ(confirmed.m_text, QStringLiteral("中断しますか?"));
    // The dialog ended only after the worker had.
    EXPECT_EQ(runningAtHide, 0);
    EXPECT_TRUE(finishedAtHide);
    EXPECT_EQ(g_runningWorkers.load(), 0);
    EXPECT_TRUE(dlg.m_status.m_finished);
    EXPECT_TRUE(g_abortEvent.Lock(0));
    // The wait ran under the wait cursor, which is gone again.
    EXPECT_EQ(g_waitCursorsShown, 1);
    EXPECT_EQ(g_waitCursorsHidden, 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(PuzzleDialog, TheWindowMenuHoldsASeparatorTheAboutItemAndTheViewItem)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    CMenu* menu = dlg.GetSystemMenu(FALSE);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(MenuItemCount(*menu), 3);
    EXPECT_EQ(MenuItemId(*menu, 0), 0u);
    EXPECT_EQ(MenuItemId(*menu, 1), 16u);
    EXPECT_EQ(MenuItemText(*menu, 16), "TorvalyPuzzle のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    EXPECT_EQ(MenuItemId(*menu, 2), 32u);
    EXPECT_EQ(MenuItemText(*menu, 32), "手順を見る(&V)...");
    EXPECT_EQ(dlg.GetSystemMenu(TRUE), nullptr);
    EXPECT_EQ(MenuItemCount(*menu), 0);
}

TEST(PuzzleDialog, OpensTheAboutBoxFromTheWindowMenuAndFromF1)
{
    // As in the program, the dialog is the application's main window, which
    // the About box belongs to.
    CWinApp app;
    CTestPuzzleDlg dlg;
    app.m_pMainWnd = &dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    QWidget* window = dlg.Window();
    const QString aboutItem = QStringLiteral("TorvalyPuzzle のﾊﾞｰｼﾞｮﾝ情報(&A)...");

    // A right click on the table opens nothing.
    {
        QStringList items;
        auto menu = ChooseMenuItem(aboutItem, &items);
        const QWidget* list = dlg.Control(IDC_RESULT_LIST);
        RightClick(window, list->geometry().center());
        EXPECT_FALSE(menu->Done());
    }

    enum class Way { RightClick, MenuKey, ShiftF10, F1 };
    for (const Way way : {Way::RightClick, Way::MenuKey, Way::ShiftF10, Way::F1}) {
        QStringList items;
        CAboutBoxSeen about;
        auto menu = ChooseMenuItem(aboutItem, &items);
        auto box = AnswerAboutBox(window, &about);
        switch (way) {
        case Way::RightClick:
            RightClick(window, QPoint(4, 4)); // the dialog's own face, outside every control
            break;
        case Way::MenuKey:
            PressKey(window, Qt::Key_Menu);
            break;
        case Way::ShiftF10:
            PressKey(window, Qt::Key_F10, Qt::ShiftModifier);
            break;
        case Way::F1:
            PressKey(window, Qt::Key_F1);
            break;
        }
        const int index = static_cast<int>(way);
        ASSERT_TRUE(box->Done()) << index;
        if (way == Way::F1) {
            EXPECT_FALSE(menu->Done());
        } else {
            EXPECT_TRUE(menu->Done()) << index;
            EXPECT_EQ(items, (QStringList{"-", aboutItem, "手順を見る(&V)..."})) << index;
        }
        EXPECT_EQ(about.m_title, QStringLiteral("TorvalyPuzzleのﾊﾞｰｼﾞｮﾝ情報")) << index;
        EXPECT_TRUE(about.m_labels.contains(QStringLiteral("TorvalyPuzzle Version 1.0"))) << index;
        EXPECT_TRUE(about.m_hasIcon) << index;
        EXPECT_EQ(about.m_owner, window) << index;
        EXPECT_LE((about.m_centre - window->geometry().center()).manhattanLength(), 2) << index;
        EXPECT_TRUE(window->isVisible());
    }
}

TEST(PuzzleDialog, AFailedStartLeavesTheTimerRunningAndTheButtonUsable)
{
    CTestPuzzleDlg dlg;
    CWorkerCleanup cleanup;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));

    SetThreadStartFailureForTesting(TRUE);
    ClickWidget(dlg.Control(IDC_COUNT_ALTERNATIVES));
    ClickWidget(dlg.Control(IDC_START));
    EXPECT_EQ(dlg.m_pWorker, nullptr);
    EXPECT_EQ(TimerElapse(dlg, CPuzzleDlg::REFRESH_TIMER), 200u);
    EXPECT_EQ(g_runningWorkers.load(), 0);
    EXPECT_TRUE(dlg.m_status.m_countAlternatives);

    // The ticks go on showing the idle status; the button starts again.
    SetThreadStartFailureForTesting(FALSE);
    ClickWidget(dlg.Control(IDC_COUNT_ALTERNATIVES));
    ClickWidget(dlg.Control(IDC_START));
    EXPECT_NE(dlg.m_pWorker, nullptr);
    EXPECT_FALSE(dlg.m_status.m_countAlternatives);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.TimerRuns(); }, WAIT_FOR_SEARCH_MS));
    ExpectCompleteBestPath(dlg);

    // Finished: Esc closes without a question.
    CMessageBoxSeen seen;
    auto box = AnswerMessageBox(QStringLiteral("OK"), &seen);
    PressKey(dlg.Window(), Qt::Key_Escape);
    EXPECT_FALSE(box->Done());
    EXPECT_EQ(DialogWindowResult(dlg), IDCANCEL);
    EXPECT_FALSE(dlg.Window()->isVisible());
}

namespace {

// A dialog whose search ends right after a refresh: the final figures and
// the finished flag appear between the refresh and the tick's look at the
// flag, as when the worker ends at that very moment.
class CFinishingDlg : public CTestPuzzleDlg {
public:
    bool m_finishAfterNextRefresh = false;

protected:
    void DoDataExchange(CDataExchange* exchange) override
    {
        CTestPuzzleDlg::DoDataExchange(exchange);
        if (m_finishAfterNextRefresh && !exchange->m_bSaveAndValidate) {
            m_finishAfterNextRefresh = false;
            m_status.m_trials = 4321;
            m_status.MarkFinished();
        }
    }
};

} // namespace

TEST(PuzzleDialog, TheLastTickShowsTheFinalFiguresOfASearchThatEndsBetweenTicks)
{
    CFinishingDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    dlg.m_finishAfterNextRefresh = true;
    dlg.SetTimer(CPuzzleDlg::REFRESH_TIMER, CPuzzleDlg::REFRESH_PERIOD_MS);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.TimerRuns(); }, WAIT_FOR_UI_MS));
    EXPECT_FALSE(dlg.m_finishAfterNextRefresh);
    EXPECT_EQ(dlg.FieldText(IDC_TRIALS), QStringLiteral("4321"));
}

namespace {

// A dialog whose refresh ticks are held back, and counted, until let go.
class CHeldTicksDlg : public CTestPuzzleDlg {
public:
    bool m_holdTicks = true;
    int m_heldTicks = 0;

protected:
    void OnTimer(UINT_PTR id) override { m_holdTicks ? void(++m_heldTicks) : CTestPuzzleDlg::OnTimer(id); }
};

} // namespace

TEST(PuzzleDialog, ShowsTheFinalFiguresAsSoonAsTheSearchEndsNotAtTheNextTick)
{
    CHeldTicksDlg dlg;
    CWorkerCleanup cleanup;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    ClickWidget(dlg.Control(IDC_START));
    // No tick reaches the dialog, however many come: only the worker's word
    // that the search is over can bring the final figures.
    ASSERT_TRUE(QTest::qWaitFor([&] { return ListItemCount(dlg.m_list) == 47; }, WAIT_FOR_SEARCH_MS))
        << dlg.m_heldTicks << " ticks held";
    ExpectCompleteBestPath(dlg);
    EXPECT_EQ(dlg.FieldText(IDC_TRIALS), QString::number(static_cast<int>(dlg.m_status.m_trials)));
    // The timer still stops on the first tick that sees the end.
    dlg.m_holdTicks = false;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg.TimerRuns(); }, WAIT_FOR_SEARCH_MS));
}

TEST(PuzzleDialog, PaintsTheIconCentredWhenMinimised)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    QWidget* window = dlg.Window();
    window->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(dlg.IsIconic());
    QPixmap picture(window->size());
    picture.fill(Qt::magenta);
    window->render(&picture, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    const QImage image = picture.toImage();
    const int left = (window->width() - 32 + 1) / 2;
    const int top = (window->height() - 32 + 1) / 2;
    // The mast (black) runs down the icon's column 15; the corners are the
    // window's face, erased before the icon was drawn.
    EXPECT_EQ(image.pixelColor(left + 15, top + 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(left + 2, top + 28), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(1, 1), window->palette().color(QPalette::Window));
    window->setWindowState(Qt::WindowNoState);
}
