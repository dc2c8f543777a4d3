// Renders the real main dialog offscreen after a complete search and writes
// it as a PNG picture; with a second file, also the crossing view opened
// from the window menu at the trip of step 22 of the table; with a third,
// the view's game, 自分で解く, after three trips of the hints, a fourth one
// refused, its rule highlighted in the panel 規則; with a fourth, the game
// of the wolf, the goat and the cabbage, drawn as they look, after three
// trips, a fourth one refused; with a fifth, the game of the four at night,
// with their times, after two trips and a hint:
//   torvaly-ui-screenshot <dialog.png> [<view.png> [<game.png> [<puzzle.png> [<times.png>]]]]
// Exits non-zero when the search does not end with the complete table.
#include "TestAccess.h"
#include "platform/window/WinApp.h"
#include "play/CrossingGame.h"
#include "puzzle/BuiltInPuzzle.h"
#include "res/ResourceModule.h"
#include "texts/DisplayText.h"
#include "ui/PuzzleDlg.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>
#include <initializer_list>

namespace {

const QString VIEW_TITLE = QStringLiteral("Torvalyパズル - 手順");

// Clicks the view's button that screen readers know by name.
void Press(QWidget* view, const char* name)
{
    for (QPushButton* button : view->findChildren<QPushButton*>()) {
        if (button->accessibleName() == QString::fromUtf8(name))
            button->click();
    }
}

// The built-in puzzle's travellers, by name.
QStringList BuiltInNames()
{
    QStringList names;
    for (const std::string& name : BuiltInPuzzle().m_names)
        names << QString::fromStdString(name);
    return names;
}

// Toggles the items of travellers, named by names, in the picture's
// accessible lists, as a screen reader does.
void Toggle(QAccessibleInterface* node, TravellerSet travellers, const QStringList& names = BuiltInNames())
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        for (int t = 0; t < names.size(); ++t) {
            if ((travellers & TravellerBit(t)) != 0 && child->role() == QAccessible::ListItem &&
                child->text(QAccessible::Name) == names[t])
                child->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        }
        Toggle(child, travellers, names);
    }
}

// The game after three trips of the hints, and a fourth one refused: the
// first pair on the boat's bank that breaks a rule other than the first.
// The view is played through its buttons and its accessible lists; a game
// of the same moves beside it says what the hints are.
void ShowGame(QWidget* view)
{
    QAccessibleInterface* lists = QAccessible::queryAccessibleInterface(view);
    CCrossingGame game(std::make_shared<CPuzzleSolution>(BuiltInPuzzle()));
    const auto cross = [&](TravellerSet travellers) {
        for (int t = 0; t < TRAVELLER_COUNT; ++t) {
            if (travellers & TravellerBit(t))
                game.Toggle(t);
        }
        Toggle(lists, travellers);
        game.Cross();
        Press(view, "渡る");
    };
    Press(view, "自分で解く");
    for (int trip = 0; trip < 3; ++trip) {
        game.Hint();
        Press(view, "ヒント");
        cross(game.Hinted());
    }
    for (int first = 0; first < TRAVELLER_COUNT; ++first) {
        for (int second = first + 1; second < TRAVELLER_COUNT; ++second) {
            const TravellerSet pair = TravellerBit(first) | TravellerBit(second);
            const CPuzzleVerdict verdict = CPuzzleJudge(game.Puzzle()).Judge(game.State(), pair);
            if (verdict.m_answer == TripAnswer::RULE_BROKEN && verdict.m_rule != OPERATOR_RULE) {
                cross(pair);
                return;
            }
        }
    }
}

// Chooses the shipped puzzle titled title, as a user chooses it, and plays
// the trips, each of travellers named by names, in its game; presses ヒント
// at the end with hint.
bool PlayShipped(QWidget* view, const QString& title, const QStringList& names,
                 std::initializer_list<TravellerSet> trips, bool hint = false)
{
    auto* chooser = view->findChild<QComboBox*>();
    // Its item names it and its best: "夜の四人 — 最速 17 分".
    const int index = chooser != nullptr ? chooser->findText(title + QStringLiteral(" — "), Qt::MatchStartsWith) : -1;
    if (index < 0)
        return false;
    chooser->setCurrentIndex(index);
    Q_EMIT chooser->activated(index);
    Press(view, "自分で解く");
    QAccessibleInterface* lists = QAccessible::queryAccessibleInterface(view);
    for (const TravellerSet trip : trips) {
        Toggle(lists, trip, names);
        Press(view, "渡る");
    }
    if (hint)
        Press(view, "ヒント");
    return true;
}

// The wolf, the goat and the cabbage after three trips, a fourth one
// refused: the farmer alone leaves the wolf with the goat.
bool ShowShippedGame(QWidget* view)
{
    // The farmer is traveller 0, the wolf 1, the goat 2.
    return PlayShipped(view, QStringLiteral("オオカミとヤギとキャベツ"),
                       {QStringLiteral("農夫"), QStringLiteral("オオカミ"), QStringLiteral("ヤギ")},
                       {TravellerSet{0b101}, TravellerSet{0b001}, TravellerSet{0b011}, TravellerSet{0b001}});
}

// The four at night after the two fastest crossing and the fastest coming
// back, and the hint.
bool ShowTimedGame(QWidget* view)
{
    return PlayShipped(view, QStringLiteral("夜の四人"), {QStringLiteral("若者"), QStringLiteral("母")},
                       {TravellerSet{0b11}, TravellerSet{0b01}}, true);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2 || argc > 6) {
        std::fputs("usage: torvaly-ui-screenshot <dialog.png> [<view.png> [<game.png> [<puzzle.png> [<times.png>]]]]\n",
                   stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    AfxSetResourceModule(&TorvalyPuzzleResources());
    AfxWinInit();

    CPuzzleDlg dlg;
    if (!dlg.Create(CPuzzleDlg::IDD))
        return 1;
    auto* start = qobject_cast<QPushButton*>(AfxGetDlgItemWidget(dlg, IDC_START));
    if (start == nullptr)
        return 1;
    start->click();

    // The timer stops on the tick that sees the search finished; the search
    // takes well under a second, so ten are plenty.
    const QDeadlineTimer deadline(10000);
    while (TimerElapse(dlg, CPuzzleDlg::REFRESH_TIMER) != 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (TimerElapse(dlg, CPuzzleDlg::REFRESH_TIMER) != 0 || ListItemCount(dlg.m_list) != 47) {
        std::fputs("torvaly-ui-screenshot: the search did not end with the complete table\n", stderr);
        return 1;
    }

    const QPixmap picture = AfxGetWidget(dlg)->grab();
    bool saved = picture.save(QString::fromLocal8Bit(argv[1]), "PNG");
    const char* written = argv[1];
    if (saved && argc >= 3) {
        // The row is selected as a click selects it; the menu opens the view
        // there.
        dlg.m_list.SetItemState(21, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        dlg.SendMessage(WM_SYSCOMMAND, IDM_CROSSINGVIEW);
        QWidget* view = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowTitle() == VIEW_TITLE)
                view = window;
        }
        QCoreApplication::processEvents();
        written = argv[2];
        saved = view != nullptr && view->grab().save(QString::fromLocal8Bit(written), "PNG");
        if (saved && argc >= 4) {
            ShowGame(view);
            written = argv[3];
            saved = view->grab().save(QString::fromLocal8Bit(written), "PNG");
        }
        if (saved && argc >= 5) {
            written = argv[4];
            // The refusal ended the last trip's animation.
            saved = ShowShippedGame(view) && view->grab().save(QString::fromLocal8Bit(written), "PNG");
        }
        if (saved && argc == 6) {
            written = argv[5];
            // The hint ended the last trip's animation.
            saved = ShowTimedGame(view) && view->grab().save(QString::fromLocal8Bit(written), "PNG");
        }
    }
    dlg.SendMessage(WM_CLOSE);
    if (!saved) {
        std::fprintf(stderr, "torvaly-ui-screenshot: cannot write %s\n", written);
        return 1;
    }
    std::printf("screenshot written: %s\n", argv[1]);
    return 0;
}
