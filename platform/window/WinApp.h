// The application object and the process entry. The program defines one
// global application object; the entry point creates the toolkit's
// application, sets the program up from its resource module and runs the
// object's InitInstance.
#pragma once

#include "platform/window/CommandLine.h"
#include "platform/window/WinTypes.h"

#include <cstdio>
#include <optional>
#include <span>
#include <string>

class CWnd;

class CWinApp {
public:
    // The name is taken from the version record when none is given.
    explicit CWinApp(const char* appName = nullptr);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // The program's own command-line options, which the command line takes
    // besides the toolkit's; none by default.
    virtual std::span<const CProgramOption> ProgramOptions() const;
    // The values given to them, before the toolkit starts or any window
    // exists: the exit status ends the program, after one line on err that
    // starts with program; nothing goes on.
    virtual std::optional<int> TakeProgramOptions(const CProgramValues& values, const std::string& program,
                                                  std::FILE* err);

    // FALSE ends the program without running its message loop.
    virtual BOOL InitInstance();
    // The message loop, then ExitInstance.
    virtual int Run();
    // The program's exit code.
    virtual int ExitInstance();

    // The application's message map: commands no window handled. TRUE when
    // handled; the base handles none.
    virtual BOOL OnCommand(UINT id);

    // The help command. There are no help files on this platform, so it
    // does nothing.
    void OnHelp();
    // Controls are drawn three-dimensional anyway; kept for the call.
    BOOL Enable3dControls();

    const char* m_pszAppName;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The application object's name, or the one the version record gives.
const char* AfxGetAppName();

// Sets the toolkit's application up from the resource module: names and
// version, desktop entry, window icon, dialog fonts, the toolkit's own
// translations for the locale and the wait cursor. Needs
// the toolkit's application to exist; the entry point calls it, and so do
// tests that build windows.
BOOL AfxWinInit();

// The body of main: the toolkit's application, AfxWinInit, InitInstance.
int AfxWinMain(int argc, char* argv[]);
