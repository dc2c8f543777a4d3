// The crossing view: a window of its own beside the main window, showing
// each step of the best path as a picture, with the step's caption and
// sentence above it and a legend below. The controls under it belong to
// the mode the view is in, which a switch above the picture chooses: the
// replay of the best path (答えを見る), or the player's own game (自分で解く).
// Each mode keeps its own step while the other shows.
#pragma once

#include <QWidget>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class CCrossingPicture;
class CPlayMode;
class CReplayMode;
class CReplayTrack;
class CViewMode;
class QLabel;
class QPushButton;
class QStackedWidget;
struct CStepScene;

class CCrossingViewWindow : public QWidget {
public:
    // owner: the main window, which the view belongs to and closes with.
    // track: the replay's path and step; stepChosen: the replay moved to
    // another step by itself.
    CCrossingViewWindow(QWidget* owner, CReplayTrack& track, std::function<void(int step)> stepChosen);
    ~CCrossingViewWindow() override;

    // Shows the window beside its owner, or raises it when it shows already.
    void Open();
    // Shows the replay, leaving the game if that showed.
    void ShowReplay();
    // The track was changed from outside: the replay takes its step, at
    // rest. A new path goes on playing from there; another step stops
    // playing.
    void FollowTrack(bool newPath);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildLegend();
    QWidget* BuildModeSwitch();
    void ShowMode(CViewMode& mode);
    // What the modes show: a step's caption, sentence and scene at rest.
    void ShowStep(const QString& caption, const QString& sentence, const CStepScene& scene, bool announce);

    QWidget* m_owner;
    QLabel* m_caption;
    QLabel* m_sentence;
    CCrossingPicture* m_picture;
    std::unique_ptr<CReplayMode> m_replay;
    std::unique_ptr<CPlayMode> m_play;
    // Each mode's button in the switch.
    std::vector<std::pair<QPushButton*, CViewMode*>> m_switch;
    QStackedWidget* m_modes;
    CViewMode* m_shown = nullptr;
};
