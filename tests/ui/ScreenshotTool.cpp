// Renders the real main dialog offscreen after a complete search and writes
// it as a PNG picture:
//   torvaly-ui-screenshot <file.png>
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

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: torvaly-ui-screenshot <file.png>\n", stderr);
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
    const bool saved = picture.save(QString::fromLocal8Bit(argv[1]), "PNG");
    dlg.SendMessage(WM_CLOSE);
    if (!saved) {
        std::fprintf(stderr, "torvaly-ui-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("screenshot written: %s\n", argv[1]);
    return 0;
}
