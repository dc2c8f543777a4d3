// How the main dialog reaches the crossing view, without the window toolkit:
// it hands over every new best path and the step selected in its table, and
// opens the view; the view tells it which step of the built-in puzzle's
// answer it moved to, so that the table selects that row. The host owns the
// view's session (CrossingSession.h), which keeps the path and the step,
// and what else the view showed, while the view is closed; opening shows
// them. Without a dialog, the host opens the view alone, on a puzzle's
// game.
#pragma once

#include "platform/window/WinTypes.h"

#include <functional>
#include <memory>

class CCrossingPath;
struct CFoundPuzzle;

class CCrossingViewHost {
public:
    // Steps are rows of the path, from 0.
    using StepShown = std::function<void(int step)>;
    static constexpr int KEEP_STEP = -1;

    // stepShown is called when the open view moved to a step by itself: its
    // controls, playing, being opened, or a new path.
    explicit CCrossingViewHost(StepShown stepShown);
    ~CCrossingViewHost();
    CCrossingViewHost(const CCrossingViewHost&) = delete;
    CCrossingViewHost& operator=(const CCrossingViewHost&) = delete;

    // The path the table now shows, which becomes the built-in puzzle's
    // answer. The step stays where it still exists, otherwise it becomes
    // the last one.
    void ShowPath(const CCrossingPath& path);
    // The step selected in the table; stepShown is not called back. A view
    // that shows another puzzle goes back to the built-in one's replay.
    void ShowStep(int step);
    // Opens the view beside owner, or raises it when it is open already: at
    // step of the built-in puzzle's replay, leaving another puzzle or the
    // game if that was shown, or as it was.
    void Open(HWND owner, int step = KEEP_STEP);
    // Opens the view alone, with the title and face of the dialog template
    // look, in the game of a puzzle looked up already (FindPuzzle), the
    // built-in puzzle's answer being its first shortest plan. False, with
    // the view closed, when the puzzle cannot be used.
    BOOL OpenAlone(UINT look, const CFoundPuzzle& found);

private:
    struct CImpl;
    std::unique_ptr<CImpl> m_impl;
};
