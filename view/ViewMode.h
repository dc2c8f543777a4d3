// One mode of the crossing view, among which the window switches: the
// replay of the best path (ReplayMode.h) or the player's game (PlayMode.h).
// A mode has its own controls under the picture, shows its step in the
// picture while it is the one shown, and keeps its step while another shows.
#pragma once

#include <functional>

class QString;
class QWidget;
struct CStepScene;

// Playing takes this long for each step: a trip is two steps, boarding and
// landing. The game's trips take as long.
inline constexpr int PLAYED_STEP_MS = 500;

// Shows a mode's step: its caption and sentence above the picture, its
// scene at rest in it. The sentence is announced when it changed, or always
// with announce.
using StepDisplay =
    std::function<void(const QString& caption, const QString& sentence, const CStepScene& scene, bool announce)>;

class CViewMode {
public:
    virtual ~CViewMode() = default;

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
