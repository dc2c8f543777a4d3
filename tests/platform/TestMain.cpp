// The window and UI tests run real dialogs on Qt's offscreen platform: one application
// object for the whole run, set up as the program sets itself up.
#include "platform/window/WinApp.h"
#include "res/ResourceModule.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    // Closing a test's dialog must not end the others' event loops.
    QApplication::setQuitOnLastWindowClosed(false);
    AfxSetResourceModule(&TorvalyPuzzleResources());
    AfxWinInit();
    return RUN_ALL_TESTS();
}
