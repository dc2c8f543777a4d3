// The crossing view's replay of the session's answer, the dialog's best
// path or a puzzle's first shortest plan: the controls that move through
// its steps (first, previous, play/stop, next, last, and a slider), their
// keys, and playing, which animates each trip. The session holds the steps
// and the step shown; the picture and the texts above it show them while
// the replay is the mode shown.
#pragma once

#include "ViewMode.h"

#include <functional>

class CCrossingPicture;
class QPushButton;
class QSlider;
class QVariantAnimation;

class CReplayMode : public CViewMode {
public:
    // stepChosen: the replay moved to another step of the answer by itself
    // (the user's controls or playing), for the main window to follow.
    CReplayMode(CCrossingPicture& picture, StepDisplay showStep, CCrossingSession& session,
                std::function<void(int step)> stepChosen);
    ~CReplayMode() override;
    CReplayMode(const CReplayMode&) = delete;
    CReplayMode& operator=(const CReplayMode&) = delete;

    CCrossingSession::Shown Kind() const override { return CCrossingSession::Shown::ANSWER; }
    QWidget* Controls() const override { return m_controls; }
    void Enter() override;
    void Leave() override;
    void Stop() override;

    // The answer was changed from outside: shows its step at rest. A new
    // path goes on playing from there; another step or another answer stops
    // playing.
    void FollowTrack(bool newPath);

private:
    QPushButton* AddButton(const char* name, int icon, std::function<void()> act);
    void GoTo(int step);
    // Plays from the shown step to the last, from the first when the last
    // shows; or stops playing at the shown step.
    void TogglePlay();
    bool IsPlaying() const;
    bool IsShown() const { return m_session.Showing() == Kind(); }
    void Play();
    void ShowPlayState();
    // Shows the answer's step at rest, while the replay shows, and moves
    // the slider there.
    void ShowStep();
    void ShowSlider();
    // A frame of playing, at a fractional step.
    void ShowPlayed(double position);

    CCrossingPicture& m_picture;
    StepDisplay m_showStep;
    CCrossingSession& m_session;
    std::function<void(int)> m_stepChosen;
    QWidget* m_controls;
    QPushButton* m_play = nullptr;
    QSlider* m_slider = nullptr;
    QVariantAnimation* m_playing = nullptr;
};
