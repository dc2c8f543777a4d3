// Drives the crossing view as people use it, beside the real dialog or
// alone: found by its title as a user finds it, its controls by the names
// screen readers read, driven with clicks and keys, and read back from its
// texts, its picture and what screen readers are told.
#pragma once

#include "RecordedShortestPath.h"
#include "TestPuzzleDlg.h"
#include "WindowTestSupport.h"
#include "puzzle/Puzzle.h"

#include <QAccessible>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <ostream>
#include <string>

class QAbstractButton;
class QComboBox;
class QTreeWidget;

// Failures show texts as they read, not as UTF-16 code units.
void PrintTo(const QString& text, std::ostream* out);

inline const QString VIEW_ITEM = QStringLiteral("手順を見る(&V)...");
inline const QString VIEW_TITLE = QStringLiteral("Torvalyパズル - 手順");
inline const QString WOLF = QStringLiteral("オオカミとヤギとキャベツ");
inline const QString WOLF_VIEW_TITLE = QStringLiteral("Torvalyパズル - オオカミとヤギとキャベツ");
// The two modes, as the switch names them.
inline const QString REPLAY = QStringLiteral("答えを見る");
inline const QString GAME = QStringLiteral("自分で解く");

// The crossing view, found by its title as a user finds it; null before it
// was first opened.
QWidget* ViewWindow(const QString& title = VIEW_TITLE);

// The dialog beside the view.

// Offers a path to the dialog's status, as the search does, and refreshes.
void ShowPath(CTestPuzzleDlg& dlg, const CCrossingPath& path);
QTreeWidget* Table(const CTestPuzzleDlg& dlg);
// Clicks a point of a widget through the window system, as the mouse does:
// a modal window blocks the click, and two make a double-click.
void ClickAt(QWidget* widget, QPoint position, bool twice = false);
void ClickRow(const CTestPuzzleDlg& dlg, int row, bool twice = false);
// Opens the view with the dialog's window menu.
QWidget* OpenFromWindowMenu(const CTestPuzzleDlg& dlg);
// The selected rows, which the view's step must be alone in, focused and
// showing.
void ExpectRowSelectedAlone(const CTestPuzzleDlg& dlg, int row);

// The view's controls and texts.

QString NameOf(QWidget* widget);
// The control of the view that screen readers know by name, or null.
QWidget* Named(QWidget* view, const char* name);
QAbstractButton* Button(QWidget* view, const char* name);
QWidget* Picture(QWidget* view);
// The replay's caption above the picture, "手順 k / N"; empty in the game.
QString Caption(QWidget* view);
QString StepCaption(int step, int steps = RECORDED_SHORTEST_TOP + 1);
// The mode the view shows: the name of each pressed button of the switch.
QString ShownMode(QWidget* view);
// Whether the replay plays, as its button shows it: pressed.
bool IsPlaying(QWidget* view);
// What the picture tells screen readers, read as they read it.
QString Description(QWidget* view);
void Key(QWidget* view, Qt::Key key);
// The puzzle chooser: the combo box that screen readers find labelled
// パズル (on Linux a combo box's own name is its current text).
QComboBox* Chooser(QWidget* view);
// The title of the puzzle the chooser shows chosen, whose item names it
// and its best: "夜の四人 — 最速 17 分".
QString ChosenTitle(QWidget* view);
// Chooses the puzzle titled title with the arrow keys, as a keyboard user
// does: Tab to the chooser, then down or up its list.
void ChooseWithKeys(QWidget* view, const QString& title);
// The line under the caption that a puzzle's answer shows; empty when none
// shows.
QString Summary(QWidget* view);
// Answers the next file dialog with path, as a user who types it.
std::unique_ptr<CUiResponder> AnswerFileDialog(const QString& path);

// What screen readers find and are told.

// Counts how often the view announces a step, or an action of the game, to
// screen readers: the picture's observer is replaced by one that counts
// each announcement and passes everything on to the screen readers'
// announcer. The view's picture must be made already.
class CAnnouncementCounter {
public:
    explicit CAnnouncementCounter(QWidget* view);
    int Count() const { return *m_count; }

private:
    // Shared with the observer, which the picture keeps.
    std::shared_ptr<int> m_count = std::make_shared<int>(0);
};

// Calls visit with every accessible list of travellers under root: not the
// toolkit's item views, the puzzle chooser's list of puzzles and the rules
// panel.
void ForEachList(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit);
// The names listed by each accessible list under root, by list name.
std::map<QString, QStringList> ListsUnder(QAccessibleInterface* root);
// The names of the travellers whose place digit in a recorded row is one of
// digits.
QStringList NamesWithDigit(const std::string& row, const char* digits);
// The puzzle the picture shows, whose names its items have.
const CPuzzle& PuzzleOf(QWidget* view);
// Calls visit with every traveller's item in the view's accessible lists.
void ForEachItem(QWidget* view, const std::function<void(int traveller, QAccessibleInterface* item)>& visit);
// The item of a traveller in the accessible list named list, or null.
QAccessibleInterface* ItemIn(QWidget* view, const char* list, int traveller);
// The item of a traveller in whichever list holds it.
QAccessibleInterface* ItemOf(QWidget* view, int traveller);
// The traveller whose item has the focus: the one in the picture's focus
// ring; -1 for none.
int FocusedTraveller(QWidget* view);
TravellerSet CheckedTravellers(QWidget* view);

// The rules panel, 規則, as screen readers find it: a list whose items are
// its lines, the highlighted one selected.
QAccessibleInterface* RulesList(QWidget* view);
QStringList RuleLines(QWidget* view);
QStringList HighlightedRules(QWidget* view);
// Whether the highlighted line shows whole inside the list, scrolled to.
bool HighlightedRuleInSight(QWidget* view);

// The picture as drawn.

QImage PictureImage(QWidget* view);
// Where an accessible object of the picture shows in an image of it.
QRect PixelsOf(QWidget* view, const QImage& image, const QRect& onScreen);
// The picture where it shows the travellers at the place of the accessible
// list named list.
QImage PlaceImage(QWidget* view, const char* list);
// The travellers whose figures look different in after than in before, two
// images of the picture: marks put on or taken off. The figures are where
// screen readers find them, less a little of their edges, where a
// neighbour's mark may reach.
TravellerSet RedrawnTravellers(QWidget* view, const QImage& before, const QImage& after);

// The desktop.

// Drags urls over target and drops them there, as a file manager does,
// when target's window takes them; whether it took them.
bool DropOn(QWidget* target, const QList<QUrl>& urls);

// The keyboard.

// Presses Tab until the control named name has the focus.
bool TabTo(QWidget* view, const char* name);
// Walks the picture's focus ring to a traveller with the arrow keys, as a
// player does: up or down to its row, then along the row.
void WalkTo(QWidget* view, int traveller);
// Expects Tab to reach a control named by each of names, starting from the
// picture.
void ExpectTabReaches(QWidget* view, std::initializer_list<const char*> names);
