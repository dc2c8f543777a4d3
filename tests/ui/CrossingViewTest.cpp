// The crossing view beside the real dialog: opening it, the table and the
// view following each other, a refill of the table, playing, the picture,
// and what screen readers find in it; and its game, from the keyboard and
// through screen readers' actions.
#include "TestPuzzleDlg.h"
#include "WorkerGate.h"

#include "RecordedShortestPath.h"
#include "display/GameText.h"
#include "display/RuleText.h"
#include "puzzle/BuiltInPuzzle.h"
#include "view/CrossingPicture.h"
#include "view/CrossingViewHostImpl.h"
#include "view/PlayMode.h"
#include "view/ReplayMode.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString VIEW_ITEM = QStringLiteral("手順を見る(&V)...");

CCrossingViewWindow* ViewOf(const CTestPuzzleDlg& dlg)
{
    return CrossingViewHostImpl(dlg.m_crossingView).m_window;
}

// Offers a path to the dialog's status, as the search does, and refreshes.
void ShowPath(CTestPuzzleDlg& dlg, const CCrossingPath& path)
{
    ASSERT_TRUE(dlg.m_status.OfferPath(path));
    dlg.RefreshDisplay();
    ASSERT_EQ(ListItemCount(dlg.m_list), path.Top() + 1);
}

QTreeWidget* Table(const CTestPuzzleDlg& dlg)
{
    return static_cast<QTreeWidget*>(dlg.Control(IDC_RESULT_LIST));
}

// Clicks a point of a widget through the window system, as the mouse does:
// a modal window blocks the click, and two make a double-click.
void ClickAt(QWidget* widget, QPoint position, bool twice = false)
{
    QWindow* window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), position);
    if (twice)
        QTest::mouseDClick(window, Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
}

void ClickRow(const CTestPuzzleDlg& dlg, int row, bool twice = false)
{
    QTreeWidget* table = Table(dlg);
    table->scrollToItem(table->topLevelItem(row));
    ClickAt(table->viewport(), table->visualItemRect(table->topLevelItem(row)).center(), twice);
}

// The selected rows, which the view's step must be alone in, focused and
// showing.
void ExpectRowSelectedAlone(const CTestPuzzleDlg& dlg, int row)
{
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), row);
    EXPECT_EQ(dlg.m_list.GetNextItem(row, LVNI_SELECTED), -1);
    EXPECT_EQ(dlg.m_list.GetItemState(row, LVIS_FOCUSED), LVIS_FOCUSED);
    QTreeWidget* table = Table(dlg);
    EXPECT_TRUE(table->viewport()->rect().intersects(table->visualItemRect(table->topLevelItem(row)))) << row;
}

QWidget* Named(QWidget* view, const char* name)
{
    for (QWidget* widget : view->findChildren<QWidget*>()) {
        if (widget->accessibleName() == QString::fromUtf8(name))
            return widget;
    }
    return nullptr;
}

QString Caption(QWidget* view)
{
    for (const QLabel* label : view->findChildren<QLabel*>()) {
        if (label->text().startsWith(QStringLiteral("手順 ")))
            return label->text();
    }
    return QString();
}

void Key(QWidget* view, Qt::Key key)
{
    PressKey(view, key);
}

// Calls visit with every accessible list under root.
void ForEachList(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit)
{
    if (root->role() == QAccessible::List)
        visit(root);
    for (int i = 0; i < root->childCount(); ++i)
        ForEachList(root->child(i), visit);
}

// The names listed by each accessible list under root, by list name.
std::map<QString, QStringList> ListsUnder(QAccessibleInterface* root)
{
    std::map<QString, QStringList> lists;
    ForEachList(root, [&](QAccessibleInterface* list) {
        QStringList& names = lists[list->text(QAccessible::Name)];
        for (int i = 0; i < list->childCount(); ++i)
            names << list->child(i)->text(QAccessible::Name);
    });
    return lists;
}

// The names of the travellers whose place digit in a recorded row is one of
// digits.
QStringList NamesWithDigit(const std::string& row, const char* digits)
{
    QStringList names;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (std::string(digits).find(row[t]) != std::string::npos)
            names << QString::fromUtf8(TravellerName(t));
    }
    return names;
}

QString NameOf(QWidget* widget)
{
    return widget != nullptr ? QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) : QString();
}

// Presses Tab until the control named name has the focus.
bool TabTo(QWidget* view, const char* name)
{
    for (int presses = 0; presses < 30; ++presses) {
        if (NameOf(view->focusWidget()) == QString::fromUtf8(name))
            return true;
        Key(view, Qt::Key_Tab);
    }
    return false;
}

// The item of a traveller in the accessible list named list, or null.
QAccessibleInterface* ItemIn(QWidget* view, const char* list, int traveller)
{
    QAccessibleInterface* found = nullptr;
    ForEachList(QAccessible::queryAccessibleInterface(view), [&](QAccessibleInterface* node) {
        for (int i = 0; i < node->childCount() && node->text(QAccessible::Name) == QString::fromUtf8(list); ++i) {
            if (node->child(i)->text(QAccessible::Name) == QString::fromUtf8(TravellerName(traveller)))
                found = node->child(i);
        }
    });
    return found;
}

// Expects Tab to reach a control named by each of names, starting from the
// picture.
void ExpectTabReaches(CCrossingViewWindow* view, std::initializer_list<const char*> names)
{
    QStringList reached;
    QWidget* widget = &view->Picture();
    do {
        if (widget->isEnabled() && widget->focusPolicy() & Qt::TabFocus)
            reached << NameOf(widget);
        widget = widget->nextInFocusChain();
    } while (widget != &view->Picture());
    for (const char* name : names)
        EXPECT_TRUE(reached.contains(QString::fromUtf8(name))) << name << " " << reached.join(' ').toStdString();
}

} // namespace

TEST(CrossingView, TheTableAndTheViewShowTheSameStepBothWays)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    ShowPath(dlg, RecordedPathUpTo());

    // A row clicked before the view opens is where the window menu opens it.
    ClickRow(dlg, 5);
    EXPECT_EQ(ViewOf(dlg), nullptr);
    QStringList items;
    auto menu = ChooseMenuItem(VIEW_ITEM, &items);
    RightClick(dlg.Window(), QPoint(4, 4));
    ASSERT_TRUE(menu->Done());
    CCrossingViewWindow* view = ViewOf(dlg);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Torvalyパズル - 手順"));
    EXPECT_FALSE(view->windowIcon().isNull());
    EXPECT_TRUE(view->screen()->availableGeometry().contains(view->frameGeometry()));
    EXPECT_EQ(Caption(view), QStringLiteral("手順 6 / 47"));
    ExpectRowSelectedAlone(dlg, 5);

    // Moving the view selects its row in the table.
    struct CMove {
        const char* m_what;
        std::function<void()> m_act;
        int m_step;
    };
    const auto click = [view](const char* name) { return [view, name] { ClickWidget(Named(view, name)); }; };
    const auto key = [view](Qt::Key k) { return [view, k] { Key(view, k); }; };
    const CMove moves[] = {
        {"Right", key(Qt::Key_Right), 6},
        {"次へ", click("次へ"), 7},
        {"Left", key(Qt::Key_Left), 6},
        {"前へ", click("前へ"), 5},
        {"End", key(Qt::Key_End), 46},
        {"Right at the end", key(Qt::Key_Right), 46},
        {"Home", key(Qt::Key_Home), 0},
        {"最後", click("最後"), 46},
        {"最初", click("最初"), 0},
        {"slider", [view] { static_cast<QSlider*>(Named(view, "手順"))->setValue(20); }, 20},
    };
    for (const CMove& move : moves) {
        move.m_act();
        SCOPED_TRACE(move.m_what);
        EXPECT_EQ(dlg.m_crossingView.Step(), move.m_step);
        EXPECT_EQ(Caption(view), QStringLiteral("手順 %1 / 47").arg(move.m_step + 1));
        ExpectRowSelectedAlone(dlg, move.m_step);
    }

    // The table moves the view; a double-click raises the same window.
    ClickRow(dlg, 12);
    EXPECT_EQ(Caption(view), QStringLiteral("手順 13 / 47"));
    ClickRow(dlg, 30, true);
    EXPECT_EQ(Caption(view), QStringLiteral("手順 31 / 47"));
    EXPECT_EQ(ViewOf(dlg), view);
    int views = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        views += window->isVisible() && window->windowTitle() == view->windowTitle() ? 1 : 0;
    EXPECT_EQ(views, 1);

    // Esc closes the view alone.
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    Key(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(dlg.Window()->isVisible());
}

TEST(CrossingView, WorksBesideTheModalDialogAndClosesWithIt)
{
    CTestPuzzleDlg dlg;
    CWorkerCleanup cleanup;
    QPointer<CCrossingViewWindow> view;
    int stepAfterClick = -1;
    const std::intptr_t result = RunModal(dlg, [&](QWidget* window) {
        // Before any search the view shows the one starting row.
        ClickRow(dlg, 0, true);
        view = ViewOf(dlg);
        ASSERT_TRUE(view != nullptr && view->isVisible());
        EXPECT_EQ(Caption(view), QStringLiteral("手順 1 / 1"));
        // A real search: the view follows the table's refills.
        ClickWidget(dlg.Control(IDC_START));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.TimerRuns(); }, WAIT_FOR_SEARCH_MS));
        EXPECT_EQ(Caption(view), QStringLiteral("手順 1 / 47"));
        // The modal dialog does not block the view.
        QWidget* next = Named(view, "次へ");
        ClickAt(next, next->rect().center());
        stepAfterClick = dlg.m_crossingView.Step();
        // The dialog's close box: the search has ended, so it closes at once.
        window->close();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(stepAfterClick, 1);
    EXPECT_TRUE(view == nullptr || !view->isVisible());
}

TEST(CrossingView, ARefillKeepsTheStepWhereItStillExistsElseGoesToTheLast)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    dlg.m_crossingView.Open(dlg.GetSafeHwnd());
    CCrossingViewWindow* view = ViewOf(dlg);
    ASSERT_NE(view, nullptr);

    // Each better path in turn, with the view moved to a step first.
    struct CRefill {
        int m_top;
        int m_viewAt;
        int m_expected;
    };
    const CRefill refills[] = {{8, 0, 0}, {2, 7, 2}, {RECORDED_SHORTEST_TOP, 1, 1}};
    for (const CRefill& refill : refills) {
        ClickRow(dlg, refill.m_viewAt);
        ASSERT_EQ(dlg.m_crossingView.Step(), refill.m_viewAt);
        ShowPath(dlg, RecordedPathUpTo(refill.m_top));
        SCOPED_TRACE(refill.m_top);
        EXPECT_EQ(dlg.m_crossingView.Step(), refill.m_expected);
        EXPECT_EQ(Caption(view), QStringLiteral("手順 %1 / %2").arg(refill.m_expected + 1).arg(refill.m_top + 1));
        ExpectRowSelectedAlone(dlg, refill.m_expected);
    }
}

TEST(CrossingView, PlayingRunsToTheLastStepAndStops)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    ShowPath(dlg, RecordedPathUpTo());
    ClickRow(dlg, 43, true);
    CCrossingViewWindow* view = ViewOf(dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    auto* play = static_cast<QPushButton*>(Named(view, "再生/停止"));

    ClickWidget(play);
    EXPECT_TRUE(view->Replay().IsPlaying());
    EXPECT_EQ(play->text(), QStringLiteral("停止"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->Replay().IsPlaying(); }, WAIT_FOR_UI_MS));
    EXPECT_EQ(dlg.m_crossingView.Step(), 46);
    EXPECT_EQ(play->text(), QStringLiteral("再生"));
    EXPECT_FALSE(play->isChecked());
    ExpectRowSelectedAlone(dlg, 46);

    // From the last step, Space plays from the first; Space stops where it is.
    Key(view, Qt::Key_Space);
    EXPECT_TRUE(view->Replay().IsPlaying());
    EXPECT_EQ(dlg.m_crossingView.Step(), 0);
    Key(view, Qt::Key_Space);
    EXPECT_FALSE(view->Replay().IsPlaying());
    EXPECT_LT(dlg.m_crossingView.Step(), 46);
    ExpectRowSelectedAlone(dlg, dlg.m_crossingView.Step());

    // A screen reader's toggle action plays and stops as a click does.
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(play)->actionInterface();
    ASSERT_NE(actions, nullptr);
    for (const bool playing : {true, false}) {
        actions->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(view->Replay().IsPlaying(), playing);
    }
}

TEST(CrossingView, TheBoatIsOnTheRiverOnlyWhileTravellersAreAboard)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    ShowPath(dlg, RecordedPathUpTo());
    dlg.m_crossingView.Open(dlg.GetSafeHwnd());
    const CCrossingPicture& picture = ViewOf(dlg)->Picture();

    // The middle of the river, as drawn at a step of the recorded path.
    const auto riverMiddle = [&](int step) {
        dlg.m_crossingView.ShowStep(step);
        const QImage image = const_cast<CCrossingPicture&>(picture).grab().toImage();
        return image.copy(image.width() / 2 - image.width() / 20, 0, image.width() / 10, image.height());
    };
    // Steps 0 and 4 have everybody ashore and the boat at 日本 (the trip
    // before step 4 was a return), step 1 travellers aboard.
    ASSERT_EQ(std::string(RECORDED_SHORTEST_PATH[0]).find_first_of("13"), std::string::npos);
    ASSERT_EQ(std::string(RECORDED_SHORTEST_PATH[4]).find_first_of("13"), std::string::npos);
    ASSERT_NE(std::string(RECORDED_SHORTEST_PATH[3]).find('3'), std::string::npos);
    ASSERT_NE(std::string(RECORDED_SHORTEST_PATH[1]).find_first_of("13"), std::string::npos);
    const QImage ashore = riverMiddle(0);
    EXPECT_EQ(riverMiddle(4), ashore);
    EXPECT_NE(riverMiddle(1), ashore);
}

TEST(CrossingView, ScreenReadersFindWhoIsWhereAtEveryStepAndHearEachStep)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    ShowPath(dlg, RecordedPathUpTo());
    dlg.m_crossingView.Open(dlg.GetSafeHwnd(), 0);
    CCrossingViewWindow* view = ViewOf(dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(root, nullptr);
    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(&view->Picture());

    for (int step = 0; step <= RECORDED_SHORTEST_TOP; ++step) {
        const int announced = view->Picture().Announcements();
        if (step > 0)
            Key(view, Qt::Key_Right);
        const std::string row = RECORDED_SHORTEST_PATH[step];
        SCOPED_TRACE("step " + std::to_string(step) + ": " + row);
        const std::map<QString, QStringList> lists = ListsUnder(root);
        EXPECT_EQ(lists.size(), 3u);
        EXPECT_EQ(lists.at(QStringLiteral("日本")), NamesWithDigit(row, "0"));
        EXPECT_EQ(lists.at(QStringLiteral("米国")), NamesWithDigit(row, "2"));
        EXPECT_EQ(lists.at(QStringLiteral("舟")), NamesWithDigit(row, "13"));
        // The caption can be read, and the new step was announced.
        const QString caption = QStringLiteral("手順 %1 / 47").arg(step + 1);
        EXPECT_TRUE(picture->text(QAccessible::Description).startsWith(caption));
        if (step > 0) {
            EXPECT_EQ(view->Picture().Announcements(), announced + 1);
        }
        bool captionRead = false;
        for (QLabel* label : view->findChildren<QLabel*>())
            captionRead |= QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name) == caption;
        EXPECT_TRUE(captionRead);
    }

    // The controls are named for screen readers, and Tab reaches them all.
    ExpectTabReaches(view, {"渡しの様子", "最初", "前へ", "再生/停止", "次へ", "最後", "手順"});
}

TEST(CrossingView, TheGameIsPlayedFromTheKeyboardAlone)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    ShowPath(dlg, RecordedPathUpTo());
    ClickRow(dlg, 6, true);
    CCrossingViewWindow* view = ViewOf(dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    CCrossingPicture& picture = view->Picture();
    const CCrossingGame& game = view->Play().Game();

    // Each action shows the counter and a sentence, and announces them.
    int announced = picture.Announcements();
    const auto expectShown = [&](int trips, const std::string& sentenceStart) {
        const std::string shown = picture.Description().toStdString();
        EXPECT_EQ(shown.rfind(TripCounterText(trips) + " " + sentenceStart, 0), 0u) << shown;
        EXPECT_EQ(picture.Announcements(), announced + 1) << shown;
        announced = picture.Announcements();
    };

    ASSERT_TRUE(TabTo(view, "自分で解く"));
    Key(view, Qt::Key_Return);
    EXPECT_EQ(view->ShownMode(), CCrossingViewWindow::Mode::PLAY);
    expectShown(0, "");

    // The focus ring starts on the first traveller of the boat's bank.
    ASSERT_TRUE(TabTo(view, "渡しの様子"));
    EXPECT_EQ(picture.FocusedTraveller(), 0);
    const TravellerSet trip = RecordedTrip(1);
    const int first = std::countr_zero(trip);
    const int second = std::bit_width(trip) - 1;
    ASSERT_EQ(first, 0);

    // Alone, the first of the recorded first trip is refused: nothing moves.
    const CPuzzleVerdict alone = JudgeTrip(BuiltInPuzzle(), {}, TravellerBit(first));
    ASSERT_FALSE(alone.IsAccepted());
    Key(view, Qt::Key_Space);
    Key(view, Qt::Key_Return);
    expectShown(0, VerdictSentence(BuiltInPuzzle(), alone));
    EXPECT_EQ(picture.Marks().m_concerned, alone.m_concerned);
    EXPECT_EQ(game.Chosen(), TravellerBit(first));

    // With the second, the trip is made and drawn crossing the river.
    for (int t = first; t < second; ++t)
        Key(view, Qt::Key_Right);
    EXPECT_EQ(picture.FocusedTraveller(), second);
    Key(view, Qt::Key_Space);
    EXPECT_EQ(picture.Marks().m_chosen, trip);
    Key(view, Qt::Key_Return);
    expectShown(1, "");
    EXPECT_TRUE(view->Play().IsAnimating());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view->Play().IsAnimating(); }, WAIT_FOR_UI_MS));
    const std::map<QString, QStringList> lists = ListsUnder(QAccessible::queryAccessibleInterface(view));
    EXPECT_EQ(lists.at(QStringLiteral("米国")), NamesWithDigit(RECORDED_SHORTEST_PATH[2], "2"));
    // The ring stays with the traveller, who is with the boat again.
    EXPECT_EQ(picture.FocusedTraveller(), second);

    // The hint marks a trip from 米国, where the boat is.
    ASSERT_TRUE(TabTo(view, "ヒント"));
    Key(view, Qt::Key_Return);
    expectShown(1, RemainingTripsSentence(RECORDED_SHORTEST_TOP / 2 - 1));
    EXPECT_NE(picture.Marks().m_hinted, 0u);
    EXPECT_EQ(picture.Marks().m_hinted & ~trip, 0u);

    // The replay kept its step, and the game its trip.
    ASSERT_TRUE(TabTo(view, "答えを見る"));
    Key(view, Qt::Key_Return);
    EXPECT_EQ(Caption(view), QStringLiteral("手順 7 / 47"));
    ASSERT_TRUE(TabTo(view, "自分で解く"));
    Key(view, Qt::Key_Return);
    announced = picture.Announcements() - 1;
    expectShown(1, "");

    // Undo and redo by their keys; the table's selection stays where the
    // replay is.
    struct CKey {
        Qt::KeyboardModifiers m_modifiers;
        Qt::Key m_key;
        int m_trips;
    };
    const CKey keys[] = {{Qt::ControlModifier, Qt::Key_Z, 0},
                         {Qt::ControlModifier, Qt::Key_Y, 1},
                         {Qt::ControlModifier, Qt::Key_Z, 0},
                         {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z, 1}};
    for (const CKey& key : keys) {
        PressKey(view, key.m_key, key.m_modifiers);
        SCOPED_TRACE(key.m_trips);
        expectShown(key.m_trips, "");
    }
    ExpectRowSelectedAlone(dlg, 6);

    // A double-click on a row asks for that step of the best path: the
    // replay shows it, and the game waits where it was.
    ClickRow(dlg, 9, true);
    EXPECT_EQ(view->ShownMode(), CCrossingViewWindow::Mode::REPLAY);
    EXPECT_EQ(Caption(view), QStringLiteral("手順 10 / 47"));
    EXPECT_EQ(game.Trips(), 1);
    Key(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());
}

TEST(CrossingView, InTheGameTravellersAreCheckBoxesThatScreenReadersToggle)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    dlg.m_crossingView.Open(dlg.GetSafeHwnd());
    CCrossingViewWindow* view = ViewOf(dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));

    // In the replay, the travellers are only listed.
    QAccessibleInterface* listed = ItemIn(view, "日本", 0);
    ASSERT_NE(listed, nullptr);
    EXPECT_FALSE(listed->state().checkable);
    EXPECT_TRUE(listed->actionInterface()->actionNames().isEmpty());

    ClickWidget(Named(view, "自分で解く"));
    const TravellerSet trip = RecordedTrip(1);
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        QAccessibleInterface* item = ItemIn(view, "日本", t);
        ASSERT_NE(item, nullptr) << t;
        EXPECT_TRUE(item->state().checkable);
        EXPECT_FALSE(item->state().checked);
        if (trip & TravellerBit(t)) {
            item->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
            EXPECT_TRUE(item->state().checked) << t;
        }
    }
    EXPECT_EQ(view->Play().Game().Chosen(), trip);

    // Pressed as screen readers press it, it takes a moment to come up.
    const int announced = view->Picture().Announcements();
    QAccessible::queryAccessibleInterface(Named(view, "渡る"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->Picture().Announcements() > announced; }, WAIT_FOR_UI_MS));
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        QAccessibleInterface* item = ItemIn(view, (trip & TravellerBit(t)) != 0 ? "米国" : "日本", t);
        ASSERT_NE(item, nullptr) << t;
        EXPECT_TRUE(item->state().checkable && !item->state().checked) << t;
    }

    // Every control of the game is named, and Tab reaches it.
    ExpectTabReaches(view, {"答えを見る", "自分で解く", "渡しの様子", "渡る", "元に戻す", "最初から", "ヒント"});
}
