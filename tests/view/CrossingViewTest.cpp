// The crossing view beside the real dialog, used as people use it: found by
// its title, its controls by the names screen readers read, driven with
// clicks and keys, and read back from its texts, its picture and what screen
// readers are told. Opening it, the table and the view following each other,
// a refill of the table, playing, the picture and its accessible lists; its
// game from the keyboard and through screen readers' actions; and which key
// does what where.
#include "ViewDriver.h"
#include "WorkerGate.h"

#include "RecordedShortestPath.h"
#include "TestPuzzles.h"
#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleLibrary.h"
#include "texts/GameText.h"
#include "texts/RuleText.h"
#include "view/CrossingViewHost.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <bit>
#include <iterator>
#include <set>

TEST(CrossingView, TheTableAndTheViewShowTheSameStepBothWays)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    ShowPath(dlg, RecordedPathUpTo());

    // A row clicked before the view opens is where the window menu opens it.
    ClickRow(dlg, 5);
    EXPECT_EQ(ViewWindow(), nullptr);
    QWidget* view = OpenFromWindowMenu(dlg);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    EXPECT_FALSE(view->windowIcon().isNull());
    EXPECT_TRUE(view->screen()->availableGeometry().contains(view->frameGeometry()));
    EXPECT_EQ(Caption(view), StepCaption(5));
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
        {"slider", [view] { qobject_cast<QAbstractSlider*>(Named(view, "手順"))->setValue(20); }, 20},
    };
    for (const CMove& move : moves) {
        move.m_act();
        SCOPED_TRACE(move.m_what);
        EXPECT_EQ(Caption(view), StepCaption(move.m_step));
        ExpectRowSelectedAlone(dlg, move.m_step);
    }

    // The table moves the view; a double-click raises the same window.
    ClickRow(dlg, 12);
    EXPECT_EQ(Caption(view), StepCaption(12));
    ClickRow(dlg, 30, true);
    EXPECT_EQ(Caption(view), StepCaption(30));
    EXPECT_EQ(ViewWindow(), view);
    int views = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        views += window->isVisible() && window->windowTitle() == VIEW_TITLE ? 1 : 0;
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
    QPointer<QWidget> view;
    QString captionAfterClick;
    const std::intptr_t result = RunModal(dlg, [&](QWidget* window) {
        // Before any search the view shows the one starting row.
        ClickRow(dlg, 0, true);
        view = ViewWindow();
        ASSERT_TRUE(view != nullptr && view->isVisible());
        EXPECT_EQ(Caption(view), StepCaption(0, 1));
        // A real search: the view follows the table's refills.
        ClickWidget(dlg.Control(IDC_START));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dlg.TimerRuns(); }, WAIT_FOR_SEARCH_MS));
        EXPECT_EQ(Caption(view), StepCaption(0));
        // The modal dialog does not block the view.
        QWidget* next = Named(view, "次へ");
        ClickAt(next, next->rect().center());
        captionAfterClick = Caption(view);
        ExpectRowSelectedAlone(dlg, 1);
        // The dialog's close box: the search has ended, so it closes at once.
        window->close();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(captionAfterClick, StepCaption(1));
    EXPECT_TRUE(view == nullptr || !view->isVisible());
}

TEST(CrossingView, ARefillKeepsTheStepWhereItStillExistsElseGoesToTheLast)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    QWidget* view = OpenFromWindowMenu(dlg);
    ASSERT_NE(view, nullptr);

    // Each better path in turn, with the view moved to a step first.
    struct CRefill {
        int m_top;
        int m_viewAt;
        int m_expected;
    };
    const CRefill refills[] = {{8, 0, 0}, {2, 7, 2}, {RECORDED_SHORTEST_TOP, 1, 1}};
    int steps = 1;
    for (const CRefill& refill : refills) {
        ClickRow(dlg, refill.m_viewAt);
        ASSERT_EQ(Caption(view), StepCaption(refill.m_viewAt, steps));
        ShowPath(dlg, RecordedPathUpTo(refill.m_top));
        steps = refill.m_top + 1;
        SCOPED_TRACE(refill.m_top);
        EXPECT_EQ(Caption(view), StepCaption(refill.m_expected, steps));
        ExpectRowSelectedAlone(dlg, refill.m_expected);
    }
}

TEST(CrossingView, PlayingRunsToTheLastStepAndStops)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    ShowPath(dlg, RecordedPathUpTo());
    ClickRow(dlg, 43, true);
    QWidget* view = ViewWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    QAbstractButton* play = Button(view, "再生/停止");

    ClickWidget(play);
    EXPECT_TRUE(IsPlaying(view));
    EXPECT_EQ(play->text(), QStringLiteral("停止"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !IsPlaying(view); }, WAIT_FOR_UI_MS));
    EXPECT_EQ(Caption(view), StepCaption(46));
    EXPECT_EQ(play->text(), QStringLiteral("再生"));
    ExpectRowSelectedAlone(dlg, 46);

    // From the last step, Space plays from the first; Space stops where it
    // is. Here the picture has the focus, where Space is the replay's key.
    ASSERT_TRUE(TabTo(view, "渡しの様子"));
    Key(view, Qt::Key_Space);
    EXPECT_TRUE(IsPlaying(view));
    EXPECT_EQ(Caption(view), StepCaption(0));
    Key(view, Qt::Key_Space);
    EXPECT_FALSE(IsPlaying(view));
    const int stoppedAt = dlg.m_list.GetNextItem(-1, LVNI_SELECTED);
    EXPECT_LT(stoppedAt, 46);
    EXPECT_EQ(Caption(view), StepCaption(stoppedAt));
    ExpectRowSelectedAlone(dlg, stoppedAt);

    // A screen reader's toggle action plays and stops as a click does.
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(play)->actionInterface();
    ASSERT_NE(actions, nullptr);
    for (const bool playing : {true, false}) {
        actions->doAction(QAccessibleActionInterface::toggleAction());
        EXPECT_EQ(IsPlaying(view), playing);
        EXPECT_EQ(play->text(), QString::fromUtf8(playing ? "停止" : "再生"));
    }
}

TEST(CrossingView, TheBoatIsOnTheRiverOnlyWhileTravellersAreAboard)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    ShowPath(dlg, RecordedPathUpTo());
    QWidget* view = OpenFromWindowMenu(dlg);
    ASSERT_NE(view, nullptr);

    // The middle of the river, as drawn at a step of the recorded path.
    const auto riverMiddle = [&](int step) {
        ClickRow(dlg, step);
        EXPECT_EQ(Caption(view), StepCaption(step));
        const QImage image = PictureImage(view);
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
    ClickRow(dlg, 0, true);
    QWidget* view = ViewWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(root, nullptr);
    const CAnnouncementCounter announcements(view);

    for (int step = 0; step <= RECORDED_SHORTEST_TOP; ++step) {
        const int announced = announcements.Count();
        if (step > 0)
            Key(view, Qt::Key_Right);
        const std::string row = RECORDED_SHORTEST_PATH[step];
        SCOPED_TRACE("step " + std::to_string(step) + ": " + row);
        const std::map<QString, QStringList> lists = ListsUnder(root);
        EXPECT_EQ(lists.size(), 3u);
        EXPECT_EQ(lists.at(QStringLiteral("日本")), NamesWithDigit(row, "0"));
        EXPECT_EQ(lists.at(QStringLiteral("米国")), NamesWithDigit(row, "2"));
        EXPECT_EQ(lists.at(QStringLiteral("舟")), NamesWithDigit(row, "13"));
        // The caption can be read, and the new step was announced once.
        const QString caption = StepCaption(step);
        EXPECT_TRUE(Description(view).startsWith(caption));
        if (step > 0) {
            EXPECT_EQ(announcements.Count(), announced + 1);
        }
        bool captionRead = false;
        for (QLabel* label : view->findChildren<QLabel*>())
            captionRead |= NameOf(label) == caption;
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
    // The boat at rest at 米国, empty, as the replay draws it after the first
    // trip, in the active window, with the focus on the picture as it will
    // be when the game's trip lands.
    ClickRow(dlg, 2, true);
    QWidget* view = ViewWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    ASSERT_TRUE(TabTo(view, "渡しの様子"));
    ASSERT_NE(std::string(RECORDED_SHORTEST_PATH[2]).find('2'), std::string::npos);
    ASSERT_EQ(std::string(RECORDED_SHORTEST_PATH[2]).find_first_of("13"), std::string::npos);
    const QImage boatLanded = PlaceImage(view, "舟");
    ClickRow(dlg, 6, true);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));

    // Each action shows the counter and a sentence, and announces them.
    const CAnnouncementCounter announcements(view);
    int announced = announcements.Count();
    const auto expectShown = [&](int trips, const std::string& sentenceStart) {
        const std::string shown = Description(view).toStdString();
        EXPECT_EQ(shown.rfind(TripCounterText(trips) + " " + sentenceStart, 0), 0u) << shown;
        EXPECT_EQ(announcements.Count(), announced + 1) << shown;
        announced = announcements.Count();
    };

    ASSERT_TRUE(TabTo(view, "自分で解く"));
    Key(view, Qt::Key_Return);
    EXPECT_EQ(ShownMode(view), GAME);
    expectShown(0, "");

    // The focus ring starts on the first traveller of the boat's bank.
    ASSERT_TRUE(TabTo(view, "渡しの様子"));
    EXPECT_EQ(FocusedTraveller(view), 0);
    const TravellerSet trip = RecordedTrip(1);
    const int first = std::countr_zero(trip);
    const int second = std::bit_width(trip) - 1;
    ASSERT_EQ(first, 0);

    // Alone, the first of the recorded first trip is refused: nothing moves,
    // and the travellers the refusal concerns are marked.
    const CPuzzleVerdict alone = BuiltInSolution().Judge().Judge({}, TravellerBit(first));
    ASSERT_FALSE(alone.IsAccepted());
    Key(view, Qt::Key_Space);
    const QImage chosen = PictureImage(view);
    Key(view, Qt::Key_Return);
    expectShown(0, VerdictSentence(BuiltInPuzzle(), alone));
    EXPECT_EQ(RedrawnTravellers(view, chosen, PictureImage(view)), alone.m_concerned);
    EXPECT_EQ(CheckedTravellers(view), TravellerBit(first));

    // With the second, the trip is made and drawn crossing the river: the
    // boat is not yet at rest at 米国, and comes to rest there, empty.
    WalkTo(view, second);
    EXPECT_EQ(FocusedTraveller(view), second);
    Key(view, Qt::Key_Space);
    EXPECT_EQ(CheckedTravellers(view), trip);
    Key(view, Qt::Key_Return);
    expectShown(1, "");
    EXPECT_NE(PlaceImage(view, "舟"), boatLanded);
    ASSERT_TRUE(QTest::qWaitFor([&] { return PlaceImage(view, "舟") == boatLanded; }, WAIT_FOR_UI_MS));
    const std::map<QString, QStringList> lists = ListsUnder(QAccessible::queryAccessibleInterface(view));
    EXPECT_EQ(lists.at(QStringLiteral("米国")), NamesWithDigit(RECORDED_SHORTEST_PATH[2], "2"));
    // The ring stays with the traveller, who is with the boat again.
    EXPECT_EQ(FocusedTraveller(view), second);

    // The hint marks a trip from 米国, where the boat is.
    ASSERT_TRUE(TabTo(view, "ヒント"));
    const QImage unhinted = PictureImage(view);
    Key(view, Qt::Key_Return);
    expectShown(1, RemainingTripsSentence(RECORDED_SHORTEST_TOP / 2 - 1));
    const TravellerSet hinted = RedrawnTravellers(view, unhinted, PictureImage(view));
    EXPECT_NE(hinted, 0u);
    EXPECT_EQ(hinted & ~trip, 0u);

    // The replay kept its step, and the game its trip.
    ASSERT_TRUE(TabTo(view, "答えを見る"));
    Key(view, Qt::Key_Return);
    EXPECT_EQ(ShownMode(view), REPLAY);
    EXPECT_EQ(Caption(view), StepCaption(6));
    ASSERT_TRUE(TabTo(view, "自分で解く"));
    Key(view, Qt::Key_Return);
    announced = announcements.Count() - 1;
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
    EXPECT_EQ(ShownMode(view), REPLAY);
    EXPECT_EQ(Caption(view), StepCaption(9));
    ClickWidget(Button(view, "自分で解く"));
    EXPECT_TRUE(Description(view).startsWith(QString::fromStdString(TripCounterText(1) + " ")));
    Key(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());
}

TEST(CrossingView, InTheGameTravellersAreCheckBoxesThatScreenReadersToggle)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    QWidget* view = OpenFromWindowMenu(dlg);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));

    // In the replay, the travellers are only listed.
    QAccessibleInterface* listed = ItemIn(view, "日本", 0);
    ASSERT_NE(listed, nullptr);
    EXPECT_FALSE(listed->state().checkable);
    EXPECT_TRUE(listed->actionInterface()->actionNames().isEmpty());

    ClickWidget(Button(view, "自分で解く"));
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
    EXPECT_EQ(CheckedTravellers(view), trip);

    // Pressed as screen readers press it, it takes a moment to come up.
    const CAnnouncementCounter announcements(view);
    QAccessible::queryAccessibleInterface(Named(view, "渡る"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return announcements.Count() > 0; }, WAIT_FOR_UI_MS));
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        QAccessibleInterface* item = ItemIn(view, (trip & TravellerBit(t)) != 0 ? "米国" : "日本", t);
        ASSERT_NE(item, nullptr) << t;
        EXPECT_TRUE(item->state().checkable && !item->state().checked) << t;
    }

    // Every control of the game is named, and Tab reaches it.
    ExpectTabReaches(view, {"答えを見る", "自分で解く", "渡しの様子", "渡る", "元に戻す", "最初から", "ヒント"});
}

TEST(CrossingView, SpacePressesTheFocusedButtonAndElsewherePlaysOrStopsTheReplay)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    ShowPath(dlg, RecordedPathUpTo());

    // Each from the replay at the table's row 5, or from the game: the
    // control Tab gives the focus, the key pressed there, and the mode and
    // the replay's row shown then (-1 for none). The same key stops what it
    // played.
    struct CCase {
        const QString& m_from;
        const char* m_focus;
        Qt::Key m_key;
        const QString& m_mode;
        int m_step;
        bool m_plays;
    };
    const CCase cases[] = {
        {REPLAY, "最初", Qt::Key_Space, REPLAY, 0, false},       {REPLAY, "次へ", Qt::Key_Space, REPLAY, 6, false},
        {REPLAY, "最後", Qt::Key_Return, REPLAY, 46, false},     {REPLAY, "自分で解く", Qt::Key_Space, GAME, -1, false},
        {REPLAY, "自分で解く", Qt::Key_Return, GAME, -1, false}, {GAME, "答えを見る", Qt::Key_Space, REPLAY, 5, false},
        {REPLAY, "再生/停止", Qt::Key_Space, REPLAY, 5, true},   {REPLAY, "渡しの様子", Qt::Key_Space, REPLAY, 5, true},
        {REPLAY, "手順", Qt::Key_Space, REPLAY, 5, true},
    };
    for (const CCase& c : cases) {
        ClickRow(dlg, 5, true);
        QWidget* view = ViewWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
        if (c.m_from == GAME)
            ClickWidget(Button(view, "自分で解く"));
        SCOPED_TRACE(c.m_from.toStdString() + ", " + c.m_focus + (c.m_key == Qt::Key_Space ? ", Space" : ", Enter"));
        ASSERT_TRUE(TabTo(view, c.m_focus));
        Key(view, c.m_key);
        EXPECT_EQ(ShownMode(view), c.m_mode);
        EXPECT_EQ(IsPlaying(view), c.m_plays);
        if (c.m_step >= 0) {
            EXPECT_EQ(Caption(view), StepCaption(c.m_step));
        }
        if (c.m_plays) {
            Key(view, c.m_key);
            EXPECT_FALSE(IsPlaying(view));
        }
    }
}

TEST(CrossingView, TheArrowKeysWalkTheFocusRingAsTheFiguresStandOnTheBank)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    QWidget* view = OpenFromWindowMenu(dlg);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    ClickWidget(Button(view, "自分で解く"));

    // At the size the view opens at, the twelve stand on 日本 in four rows
    // of three, in traveller order.
    std::set<int> tops;
    std::set<int> lefts;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        tops.insert(ItemIn(view, "日本", t)->rect().top());
        lefts.insert(ItemIn(view, "日本", t)->rect().left());
    }
    ASSERT_EQ(tops.size(), 4u);
    ASSERT_EQ(lefts.size(), 3u);
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        const QRect figure = ItemIn(view, "日本", t)->rect();
        ASSERT_EQ(std::distance(tops.begin(), tops.find(figure.top())), t / 3) << t;
        ASSERT_EQ(std::distance(lefts.begin(), lefts.find(figure.left())), t % 3) << t;
    }

    struct CMove {
        Qt::Key m_key;
        int m_to;
    };
    const auto expectMoves = [view](const std::vector<CMove>& moves) {
        ASSERT_TRUE(TabTo(view, "渡しの様子"));
        for (std::size_t i = 0; i < moves.size(); ++i) {
            Key(view, moves[i].m_key);
            EXPECT_EQ(FocusedTraveller(view), moves[i].m_to) << "move " << i;
        }
    };
    // Everybody there: Down three times from the first and Right once is
    // the second of the last row, not the fifth traveller; the ring stays
    // put at the edges.
    expectMoves({{Qt::Key_Home, 0},
                 {Qt::Key_Down, 3},
                 {Qt::Key_Down, 6},
                 {Qt::Key_Down, 9},
                 {Qt::Key_Right, 10},
                 {Qt::Key_Up, 7},
                 {Qt::Key_Right, 8},
                 {Qt::Key_Right, 8},
                 {Qt::Key_Down, 11},
                 {Qt::Key_Down, 11},
                 {Qt::Key_Left, 10},
                 {Qt::Key_Left, 9},
                 {Qt::Key_Left, 9},
                 {Qt::Key_Up, 6},
                 {Qt::Key_Up, 3},
                 {Qt::Key_Up, 0},
                 {Qt::Key_Up, 0},
                 {Qt::Key_End, 11},
                 {Qt::Key_Home, 0}});

    // After the first four recorded trips, the first and the eleventh are at
    // 米国 and the boat at 日本: the ring passes over their places, to the
    // nearest one that is there.
    for (int trip = 1; trip <= 4; ++trip) {
        for (int t = 0; t < TRAVELLER_COUNT; ++t) {
            if (RecordedTrip(trip) & TravellerBit(t))
                ItemOf(view, t)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        }
        ClickWidget(Button(view, "渡る"));
    }
    ASSERT_EQ(std::string(RECORDED_SHORTEST_PATH[8]), "200000000020");
    ASSERT_EQ(ListsUnder(QAccessible::queryAccessibleInterface(view)).at(QStringLiteral("米国")),
              NamesWithDigit(RECORDED_SHORTEST_PATH[8], "2"));
    expectMoves({{Qt::Key_Home, 1},
                 {Qt::Key_Left, 1},
                 {Qt::Key_Down, 4},
                 {Qt::Key_Left, 3},
                 {Qt::Key_Up, 1},
                 {Qt::Key_Right, 2},
                 {Qt::Key_Down, 5},
                 {Qt::Key_Down, 8},
                 {Qt::Key_Down, 11},
                 {Qt::Key_Left, 9},
                 {Qt::Key_Right, 11},
                 {Qt::Key_Up, 8},
                 {Qt::Key_End, 11}});
}

TEST(CrossingView, APuzzleChosenShowsItsAnswerAndATableRowBringsBackTheBuiltInOne)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    ShowPath(dlg, RecordedPathUpTo(8));
    ClickRow(dlg, 5);
    QWidget* view = OpenFromWindowMenu(dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    EXPECT_EQ(Summary(view), QString());

    // The wolf, the goat and the cabbage: its first shortest plan, from its
    // first step, in its own names and banks, with the session's summary
    // line; the table stays as it was.
    ChooseWithKeys(view, WOLF);
    EXPECT_EQ(view->windowTitle(), WOLF_VIEW_TITLE);
    EXPECT_EQ(ShownMode(view), REPLAY);
    EXPECT_EQ(Caption(view), StepCaption(0, 15));
    EXPECT_FALSE(Summary(view).isEmpty());
    const QStringList everybody = {QStringLiteral("農夫"), QStringLiteral("オオカミ"), QStringLiteral("ヤギ"),
                                   QStringLiteral("キャベツ")};
    const std::map<QString, QStringList> lists = ListsUnder(QAccessible::queryAccessibleInterface(view));
    const std::map<QString, QStringList> expected = {
        {QStringLiteral("こちら岸"), everybody}, {QStringLiteral("向こう岸"), {}}, {QStringLiteral("舟"), {}}};
    EXPECT_EQ(lists, expected);
    ASSERT_TRUE(TabTo(view, "渡しの様子"));
    Key(view, Qt::Key_Right);
    EXPECT_EQ(Caption(view), StepCaption(1, 15));
    EXPECT_TRUE(Description(view).endsWith(QStringLiteral("農夫 と ヤギ が舟で向こう岸へ渡ります。")))
        << Description(view).toStdString();
    ExpectRowSelectedAlone(dlg, 5);

    // A better path from the search refills the table, and leaves the
    // puzzle shown as it was.
    ShowPath(dlg, RecordedPathUpTo());
    EXPECT_EQ(view->windowTitle(), WOLF_VIEW_TITLE);
    EXPECT_EQ(Caption(view), StepCaption(1, 15));

    // A row selected: the built-in puzzle's answer at that row.
    ClickRow(dlg, 3);
    EXPECT_EQ(view->windowTitle(), VIEW_TITLE);
    EXPECT_EQ(ChosenTitle(view), QStringLiteral("Torvalyパズル"));
    EXPECT_EQ(Caption(view), StepCaption(3));
    EXPECT_EQ(Summary(view), QString());
    EXPECT_EQ(ListsUnder(QAccessible::queryAccessibleInterface(view)).count(QStringLiteral("日本")), 1u);
}

TEST(CrossingView, AloneOnAShippedPuzzleItsGameIsPlayedToTheEndFromTheKeyboard)
{
    CCrossingViewHost host([](int) { ADD_FAILURE() << "no table to follow"; });
    ASSERT_TRUE(host.OpenAlone(IDD_PUZZLE_DIALOG, FindPuzzle("wolf", ShippedPuzzlesFolder())));
    QWidget* view = ViewWindow(WOLF_VIEW_TITLE);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    EXPECT_EQ(view->parentWidget(), nullptr);
    EXPECT_EQ(ShownMode(view), GAME);

    // The farmer takes the goat, comes back, takes the wolf, brings the goat
    // back, takes the cabbage, comes back and takes the goat.
    const std::vector<QStringList> trips = {{"農夫", "ヤギ"},     {"農夫"}, {"農夫", "オオカミ"}, {"農夫", "ヤギ"},
                                            {"農夫", "キャベツ"}, {"農夫"}, {"農夫", "ヤギ"}};
    ASSERT_TRUE(TabTo(view, "渡しの様子"));
    for (const QStringList& trip : trips) {
        for (const QString& name : trip) {
            WalkTo(view, PuzzleOf(view).TravellerNamed(name.toStdString()));
            Key(view, Qt::Key_Space);
        }
        Key(view, Qt::Key_Return);
    }
    EXPECT_TRUE(Description(view).endsWith(QStringLiteral("7 回で渡りきりました。最短の 7 回と同じです。")))
        << Description(view).toStdString();
    Key(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());
}

TEST(CrossingView, APuzzleFileThatCannotBeUsedIsRefusedAndOneThatCanIsAdded)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    QWidget* view = OpenFromWindowMenu(dlg);
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    QTemporaryDir folder;
    const QString broken = folder.filePath(QStringLiteral("broken.crossing.toml"));
    const QString apart = folder.filePath(QStringLiteral("apart.crossing.toml"));
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("seats = 9\n");
        QFile good(apart);
        ASSERT_TRUE(good.open(QIODevice::WriteOnly));
        good.write(KeptApartPuzzleText(false).c_str());
    }

    // From the chooser's last item, after the wolf's puzzle: the session's
    // reason in a message box, and nothing else changes.
    ChooseWithKeys(view, WOLF);
    CMessageBoxSeen seen;
    {
        auto box = AnswerMessageBox(QStringLiteral("OK"), &seen);
        auto dialog = AnswerFileDialog(broken);
        Key(view, Qt::Key_Down);
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->Done() && box->Done(); }, WAIT_FOR_UI_MS));
    }
    EXPECT_TRUE(seen.m_text.startsWith(QStringLiteral("このファイルはパズルとして使えません。\n") + broken +
                                       QStringLiteral(" の 1 行目")))
        << seen.m_text.toStdString();
    EXPECT_EQ(view->windowTitle(), WOLF_VIEW_TITLE);
    EXPECT_EQ(ChosenTitle(view), WOLF);
    EXPECT_EQ(Chooser(view)->count(), 10);

    // Ctrl+O: the file's puzzle joins the list, before its last item.
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view, WAIT_FOR_UI_MS));
    auto dialog = AnswerFileDialog(apart);
    PressKey(view, Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->Done(); }, WAIT_FOR_UI_MS));
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Torvalyパズル - apart"));
    EXPECT_EQ(Chooser(view)->count(), 11);
    EXPECT_EQ(ChosenTitle(view), QStringLiteral("apart"));
}
