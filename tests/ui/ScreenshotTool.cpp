// Renders the real main dialog offscreen after a complete search and writes
// it as a PNG picture; with a second file, also the crossing view opened
// from the window menu at a step of the table (the trip of step 22 by
// default, counted from 1):
//   torvaly-ui-screenshot <dialog.png> [<view.png> [step]]
// Exits non-zero when the search does not end with the complete table.
#include "TestAccess.h"
#include "platform/window/WinApp.h"
#include "res/ResourceModule.h"
#include "ui/PuzzleDlg.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPixmap>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc < 2 || argc > 4) {
        std::fputs("usage: torvaly-ui-screenshot <dialog.png> [<view.png> [step]]\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    AfxSetResourceModule(&TorvalyPuzzleResources());
    AfxWinInit();

    CPuzzleDlg dlg;
    if (!dlg.Create(CPuzzleDlg::IDD))
        return 1;
    auto* start = qobject_cast<QPushButton*>(AfxGetDlgItemWidget(dlg, IDC_START));
    if (start == nullptr)
        return 1;
    start->click();

    // The timer stops on the tick that sees the search finished; the search
    // takes well under a second, so ten are plenty.
    const QDeadlineTimer deadline(10000);
    while (TimerElapse(dlg, CPuzzleDlg::REFRESH_TIMER) != 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (TimerElapse(dlg, CPuzzleDlg::REFRESH_TIMER) != 0 || ListItemCount(dlg.m_list) != 47) {
        std::fputs("torvaly-ui-screenshot: the search did not end with the complete table\n", stderr);
        return 1;
    }

    const QPixmap picture = AfxGetWidget(dlg)->grab();
    bool saved = picture.save(QString::fromLocal8Bit(argv[1]), "PNG");
    if (saved && argc >= 3) {
        // The row is selected as a click selects it; the menu opens the view
        // there.
        const int step = argc == 4 ? std::atoi(argv[3]) - 1 : 21;
        dlg.m_list.SetItemState(step, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        dlg.SendMessage(WM_SYSCOMMAND, IDM_CROSSINGVIEW);
        QWidget* view = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->parentWidget() == AfxGetWidget(dlg))
                view = window;
        }
        QCoreApplication::processEvents();
        saved = view != nullptr && view->grab().save(QString::fromLocal8Bit(argv[2]), "PNG");
    }
    dlg.SendMessage(WM_CLOSE);
    if (!saved) {
        std::fprintf(stderr, "torvaly-ui-screenshot: cannot write %s\n", argc >= 3 ? argv[2] : argv[1]);
        return 1;
    }
    std::printf("screenshot written: %s\n", argv[1]);
    return 0;
}
