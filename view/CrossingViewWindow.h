// The crossing view: a window of its own beside the main window, or alone,
// showing each step of a crossing as a picture, with the step's caption,
// time and sentence above it, the puzzle's rules (規則) beside it and a
// legend below; the front end of a crossing session (CrossingSession.h),
// which says what there is to show. A chooser above it picks the puzzle:
// the built-in one, a shipped one, or a puzzle file, chosen in a file
// dialog or dropped on the view. The controls under the picture belong to
// the mode the view is in, which a switch chooses: the replay of the answer
// (答えを見る), or the player's own game (自分で解く). Ctrl+C copies the
// trips shown as a list.
#pragma once

#include "play/CrossingSession.h"

#include <QFont>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class CCrossingPicture;
class CPlayMode;
class CReplayMode;
class CRulesPane;
class CViewLegend;
class CViewMode;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;

class CCrossingViewWindow : public QWidget {
public:
    // owner: the main window, which the view belongs to and closes with, or
    // null for a view alone; titlePrefix and face: the main window's title
    // and face, which the view's title and texts take. session: what the
    // view shows, which must outlive it; stepChosen: the replay moved to
    // another step of the built-in puzzle's answer by itself.
    CCrossingViewWindow(QWidget* owner, const QString& titlePrefix, const QFont& face, CCrossingSession& session,
                        std::function<void(int step)> stepChosen);
    ~CCrossingViewWindow() override;

    // Shows the window beside its owner, or in the middle of the screen
    // without one, or raises it when it shows already.
    void Open();
    // Shows the built-in puzzle's replay, leaving another puzzle or the game
    // if that showed.
    void ShowBuiltInReplay();
    bool ShowsBuiltIn() const;
    // Shows the game of a puzzle looked up already (PuzzleLibrary.h);
    // false, after saying why in a message box, for one that cannot be used.
    bool PlayPuzzle(const CFoundPuzzle& found);
    // The built-in puzzle's answer was changed from outside: its replay
    // takes its step, at rest. A new path goes on playing from there;
    // another step stops playing.
    void FollowTrack(bool newPath);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A puzzle file dropped on the view opens as ファイルを開く opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QWidget* BuildCaptionRow();
    QWidget* BuildChooser();
    QWidget* BuildModeSwitch();
    void ShowMode(CViewMode& mode);
    // What the modes show: the session's caption, sentence and scene at
    // rest.
    void ShowStep(bool announce);
    // The chosen puzzle in the picture, the replay, the game, the line
    // under the caption and the title.
    void ShowChosenPuzzle();
    // The chooser's list: every puzzle, then ファイルを開く....
    void FillChooser();
    // The line under the caption, when the session has one.
    void ShowSummary();
    // Asks for a puzzle file and shows it, or says why it cannot be used.
    void OpenFile();
    void OpenPuzzleFile(const QString& path);
    // The rules panel shows unless the screen is too small for it beside
    // the picture at its smallest, or the user folded it.
    void FoldRulesWhereNoRoom();
    // Where the window may spread on its screen.
    QSize Room() const;
    // Says in a message box why a puzzle file cannot be used.
    void ShowUnusable(const std::string& why);

    QWidget* m_owner;
    QString m_titlePrefix;
    CCrossingSession& m_session;
    std::function<void(int)> m_stepChosen;
    QComboBox* m_chooser = nullptr;
    QLabel* m_caption;
    QLabel* m_time;
    QLabel* m_summary;
    QLabel* m_sentence;
    CCrossingPicture* m_picture;
    CRulesPane* m_rules;
    CViewLegend* m_legend;
    std::unique_ptr<CReplayMode> m_replay;
    std::unique_ptr<CPlayMode> m_play;
    // Each mode's button in the switch.
    std::vector<std::pair<QPushButton*, CViewMode*>> m_switch;
    QStackedWidget* m_modes;
    CViewMode* m_shown = nullptr;
};
