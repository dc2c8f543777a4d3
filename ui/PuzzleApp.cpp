#include "PuzzleApp.h"

#include "PuzzleDlg.h"
#include "res/ResourceModule.h"

CPuzzleApp::CPuzzleApp()
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

BOOL CPuzzleApp::InitInstance()
{
    Enable3dControls();

    CPuzzleDlg dlg;
    m_pMainWnd = &dlg;
    // How the dialog ended makes no difference.
    dlg.DoModal();

    // Not into a message loop: the process ends with the dialog.
    return FALSE;
}
