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

class CCrossingPicture;
class CPlayMode;
class CReplayMode;
class CReplayTrack;
class QLabel;
class QPushButton;
class QStackedWidget;
struct CStepScene;

class CCrossingViewWindow : public QWidget {
public:
    // owner: the main window, which the view belongs to and closes with.
    CCrossingViewWindow(QWidget* owner, CReplayTrack& track, std::function<void(int step)> stepChosen);
    ~CCrossingViewWindow() override;

    // Shows the window beside its owner, or raises it when it shows already.
    void Open();

    // What the modes show: a step's caption, sentence and scene at rest.
    // The sentence is announced when it changed, or always with announce.
    void ShowStep(const QString& caption, const QString& sentence, const CStepScene& scene, bool announce = false);
    CCrossingPicture& Picture() const { return *m_picture; }
    CReplayMode& Replay() const { return *m_replay; }
    CPlayMode& Play() const { return *m_play; }

    enum class Mode { REPLAY, PLAY };
    void ShowMode(Mode mode);
    Mode ShownMode() const;
    // Whether the mode whose controls these are shows.
    bool IsShowing(const QWidget* controls) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildLegend();
    QWidget* BuildModeSwitch();

    QWidget* m_owner;
    QLabel* m_caption;
    QLabel* m_sentence;
    CCrossingPicture* m_picture;
    QPushButton* m_replaySwitch = nullptr;
    QPushButton* m_playSwitch = nullptr;
    QStackedWidget* m_modes;
    std::unique_ptr<CReplayMode> m_replay;
    std::unique_ptr<CPlayMode> m_play;
};
