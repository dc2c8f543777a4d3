// The application object: runs the main dialog for the life of the process.
#pragma once

#include "platform/window/WinApp.h"

class CPuzzleApp : public CWinApp {
public:
    CPuzzleApp();

    // Runs the main dialog and returns FALSE, so the process ends with it.
    BOOL InitInstance() override;

protected:
    // Message map: the help command goes to the base application's handler.
    BOOL OnCommand(UINT id) override;
};
