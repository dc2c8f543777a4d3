// The crossing view: a window of its own beside the main window, or alone,
// showing each step of a crossing as a picture, with the step's caption and
// sentence above it and a legend below. A chooser above it picks the
// puzzle: the built-in one, whose answer is the dialog's best path, a
// shipped one, or a puzzle file, whose answer is its first shortest plan.
// The controls under the picture belong to the mode the view is in, which a
// switch chooses: the replay of the answer (答えを見る), or the player's own
// game (自分で解く). Each mode keeps its own step while the other shows.
#pragma once

#include "play/PuzzleCatalog.h"
#include "play/ReplayTrack.h"

#include <QFont>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class CCrossingPicture;
class CPlayMode;
class CReplayMode;
class CViewMode;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
struct CStepScene;

class CCrossingViewWindow : public QWidget {
public:
    // owner: the main window, which the view belongs to and closes with, or
    // null for a view alone; titlePrefix and face: the main window's title
    // and face, which the view's title and texts take. builtInTrack: the
    // built-in puzzle's answer and its step; stepChosen: the replay moved to
    // another step of it by itself.
    CCrossingViewWindow(QWidget* owner, const QString& titlePrefix, const QFont& face, CReplayTrack& builtInTrack,
                        std::function<void(int step)> stepChosen);
    ~CCrossingViewWindow() override;

    // Shows the window beside its owner, or in the middle of the screen
    // without one, or raises it when it shows already.
    void Open();
    // Shows the built-in puzzle's replay, leaving another puzzle or the game
    // if that showed.
    void ShowBuiltInReplay();
    bool ShowsBuiltIn() const;
    // Shows the game of the puzzle named, or of a puzzle file; false, after
    // saying why in a message box, for a file that cannot be used.
    bool PlayPuzzle(const std::string& fileOrName);
    // The built-in puzzle's track was changed from outside: its replay takes
    // its step, at rest. A new path goes on playing from there; another step
    // stops playing.
    void FollowTrack(bool newPath);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildLegend();
    QWidget* BuildChooser();
    QWidget* BuildModeSwitch();
    void ShowMode(CViewMode& mode);
    // What the modes show: a step's caption, sentence and scene at rest.
    void ShowStep(const QString& caption, const QString& sentence, const CStepScene& scene, bool announce);
    // The chosen puzzle in the picture, the replay, the game, the line
    // under the caption and the title.
    void ShowChosenPuzzle();
    // The chooser's list: every puzzle, then ファイルを開く....
    void FillChooser();
    // The line under the caption: the answer's fewest trips and number of
    // plans, for a puzzle other than the built-in one, in its replay.
    void ShowSummary();
    // Asks for a puzzle file and shows it, or says why it cannot be used.
    void OpenFile();
    // Says in a message box why a puzzle file cannot be used.
    void ShowUnusable(const CPuzzleReading& reading);

    QWidget* m_owner;
    QString m_titlePrefix;
    CPuzzleCatalog m_catalog;
    CReplayTrack& m_builtInTrack;
    // The chosen puzzle's first shortest plan, when it is not the built-in
    // one.
    std::unique_ptr<CReplayTrack> m_plan;
    std::function<void(int)> m_stepChosen;
    QComboBox* m_chooser = nullptr;
    QLabel* m_caption;
    QLabel* m_summary;
    QLabel* m_sentence;
    CCrossingPicture* m_picture;
    std::unique_ptr<CReplayMode> m_replay;
    std::unique_ptr<CPlayMode> m_play;
    // Each mode's button in the switch.
    std::vector<std::pair<QPushButton*, CViewMode*>> m_switch;
    QStackedWidget* m_modes;
    CViewMode* m_shown = nullptr;
};
