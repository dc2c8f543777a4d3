// The application object: runs the main dialog for the life of the process;
// or, asked on the command line, the crossing view alone on a puzzle's game.
#pragma once

#include "platform/window/WinApp.h"
#include "puzzle/PuzzleLibrary.h"
#include "view/CrossingViewHost.h"

#include <optional>

class CPuzzleApp : public CWinApp {
public:
    CPuzzleApp();

    // --play FILE|NAME.
    std::span<const CProgramOption> ProgramOptions() const override;
    // A puzzle that cannot be used is said on err, and ends the program
    // with status 2.
    std::optional<int> TakeProgramOptions(const CProgramValues& values, const std::string& program,
                                          std::FILE* err) override;

    // Runs the main dialog and returns FALSE, so the process ends with it;
    // or opens the view alone and returns TRUE, so that the process runs
    // until it closes.
    BOOL InitInstance() override;

protected:
    // Message map: the help command goes to the base application's handler.
    BOOL OnCommand(UINT id) override;

private:
    // The puzzle of --play, read once, or nothing.
    std::optional<CFoundPuzzle> m_playPuzzle;
    CCrossingViewHost m_viewAlone;
};
