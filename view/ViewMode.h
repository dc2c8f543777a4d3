// One mode of the crossing view, among which the window switches: the
// replay of the answer (ReplayMode.h) or the player's game (PlayMode.h),
// the front ends of what the session shows (CrossingSession.h). A mode has
// its own controls under the picture, and shows the session's step in the
// picture while it is the one shown.
#pragma once

#include "play/CrossingSession.h"

#include <functional>

class QWidget;

// Playing takes this long for each step: a trip is two steps, boarding and
// landing. The game's trips take as long.
inline constexpr int PLAYED_STEP_MS = 500;

// Shows what the session shows: its caption and sentence above the
// picture, its scene at rest in it. The sentence is announced when it
// changed, or always with announce.
using StepDisplay = std::function<void(bool announce)>;

class CViewMode {
public:
    virtual ~CViewMode() = default;

    // What the session shows while this mode does.
    virtual CCrossingSession::Shown Kind() const = 0;
    // The controls, for the window to lay out; the mode's keys work while
    // they show.
    virtual QWidget* Controls() const = 0;
    // The window shows this mode, or shows it again: it shows its step.
    virtual void Enter() = 0;
    // The window shows another mode instead.
    virtual void Leave() = 0;
    // Ends any animation, leaving the mode's step at rest; the window closes.
    virtual void Stop() = 0;
};
