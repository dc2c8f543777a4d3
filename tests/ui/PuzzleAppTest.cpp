// The application object runs the main dialog as its main window and ends
// with it.
#include "WorkerGate.h"

#include "TestAccess.h"
#include "ui/PuzzleApp.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

TEST(PuzzleApp, InitInstanceRunsTheMainDialogAndReturnsFalse)
{
    CPuzzleApp app;
    ASSERT_EQ(AfxGetApp(), &app);
    QString title;
    bool mainWindowIsTheDialog = false;
    QTimer::singleShot(0, [&] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, WAIT_FOR_UI_MS));
        QWidget* dialog = QApplication::activeModalWidget();
        title = dialog->windowTitle();
        mainWindowIsTheDialog = AfxGetMainWnd() != nullptr && AfxGetWidget(*AfxGetMainWnd()) == dialog;
        PressKey(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(title, QStringLiteral("Torvalyパズル"));
    EXPECT_TRUE(mainWindowIsTheDialog);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
