// The crossing view's replay of the best path: the controls that move
// through its steps (first, previous, play/stop, next, last, and a slider),
// their keys, and playing, which animates each trip. The view's picture and
// texts show what it says; the track holds the path and the step.
#pragma once

#include "ReplayTrack.h"

#include <functional>

class CCrossingViewWindow;
class QAbstractButton;
class QPushButton;
class QSlider;
class QVariantAnimation;
class QWidget;

// Playing takes this long for each step: a trip is two steps, boarding and
// landing. The game's trips take as long.
inline constexpr int PLAYED_STEP_MS = 500;

class CReplayMode {
public:
    // stepChosen: the replay moved to another step by itself (the user's
    // controls or playing), for the main window to follow.
    CReplayMode(CCrossingViewWindow& view, CReplayTrack& track, std::function<void(int step)> stepChosen);
    ~CReplayMode();
    CReplayMode(const CReplayMode&) = delete;
    CReplayMode& operator=(const CReplayMode&) = delete;

    // The controls, for the view to lay out; the keys work while they show,
    // and the view shows the replay's step only then.
    QWidget* Controls() const { return m_controls; }

    // The track was changed from outside: shows its step at rest. A new
    // path goes on playing from there; another step stops playing.
    void FollowTrack(bool newPath);

    void GoTo(int step);
    // Plays from the shown step to the last, from the first when the last
    // shows; or stops playing at the shown step.
    void TogglePlay();
    void Stop();
    bool IsPlaying() const;

private:
    QPushButton* AddButton(const char* name, int icon, std::function<void()> act);
    void Play();
    void ShowPlayState();
    // Shows the track's step at rest and fills the controls.
    void ShowStep();
    // A frame of playing, at a fractional step.
    void ShowPlayed(double position);

    CCrossingViewWindow& m_view;
    CReplayTrack& m_track;
    std::function<void(int)> m_stepChosen;
    QWidget* m_controls;
    QPushButton* m_play = nullptr;
    QSlider* m_slider = nullptr;
    QVariantAnimation* m_playing = nullptr;
};
