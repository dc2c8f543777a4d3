#include "PuzzleApp.h"

#include "PuzzleDlg.h"
#include "res/ResourceModule.h"

namespace {

const CProgramOption PROGRAM_OPTIONS[] = {
    {"--play", "FILE|NAME", "open the crossing view alone on a puzzle, in 自分で解く"},
};

} // namespace

CPuzzleApp::CPuzzleApp() : m_viewAlone([](int) {})
{
    AfxSetResourceModule(&TorvalyPuzzleResources());
}

BOOL CPuzzleApp::OnCommand(UINT id)
{
    if (id == ID_HELP) {
        OnHelp();
        return TRUE;
    }
    return CWinApp::OnCommand(id);
}

std::span<const CProgramOption> CPuzzleApp::ProgramOptions() const
{
    return PROGRAM_OPTIONS;
}

std::optional<int> CPuzzleApp::TakeProgramOptions(const CProgramValues& values, const std::string& program,
                                                  std::FILE* err)
{
    const auto play = values.find(PROGRAM_OPTIONS[0].m_name);
    if (play == values.end())
        return std::nullopt;
    CFoundPuzzle found = FindPuzzle(play->second, ShippedPuzzleFolder());
    if (!found.m_reading.IsRead()) {
        std::fprintf(err, "%s: %s\n", program.c_str(), found.m_reading.Reason().c_str());
        return 2;
    }
    m_playPuzzle = std::move(found);
    return std::nullopt;
}

BOOL CPuzzleApp::InitInstance()
{
    Enable3dControls();

    if (m_playPuzzle)
        return m_viewAlone.OpenAlone(IDD_PUZZLE_DIALOG, *m_playPuzzle);

    CPuzzleDlg dlg;
    m_pMainWnd = &dlg;
    // How the dialog ended makes no difference.
    dlg.DoModal();

    // Not into a message loop: the process ends with the dialog.
    return FALSE;
}
