// The dialog on a desktop: what screen readers learn through the toolkit's
// accessibility interfaces, copying the table, clipped headings and the
// keyboard's visible focus and window menu.
#include "TestPuzzleDlg.h"
#include "WorkerGate.h"

#include "platform/window/MessageBox.h"
#include "platform/window/WinApp.h"
#include "platform/window/qt/WindowPlacement.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

QString Name(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

TEST(Desktop, ScreenReadersReadFieldsByTheirCaptionsAndSeeANamedReadOnlyProgressBarAndTable)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));

    struct CField {
        int m_id;
        const char* m_caption;
        QString m_text;
    };
    const CField fields[] = {
        {IDC_ELAPSED, "経過時間", "00:00:00"}, {IDC_TRIALS, "試行回数", "0"},
        {IDC_ROUND_TRIPS, "往復回数", "0.0"},  {IDC_ARRIVED, "到着人数", "0"},
        {IDC_ALTERNATIVES, "別解個数", "0"},
    };
    for (const CField& field : fields) {
        SCOPED_TRACE(field.m_caption);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(dlg.Control(field.m_id));
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(field.m_caption));
        const auto labels = iface->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1);
        EXPECT_EQ(labels[0].first->text(QAccessible::Name), QString::fromUtf8(field.m_caption));
        EXPECT_TRUE(iface->state().readOnly);
        ASSERT_NE(iface->textInterface(), nullptr);
        EXPECT_EQ(iface->textInterface()->text(0, iface->textInterface()->characterCount()), field.m_text);
    }
    // The count of alternatives takes the check box's caption.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(dlg.Control(IDC_ALTERNATIVES))
                  ->relations(QAccessible::Label)[0]
                  .first->object(),
              dlg.Control(IDC_COUNT_ALTERNATIVES));

    // The progress bar: named, read-only, nothing to increase or decrease.
    QAccessibleInterface* progress = QAccessible::queryAccessibleInterface(dlg.Control(IDC_PROGRESS));
    EXPECT_EQ(progress->role(), QAccessible::ProgressBar);
    EXPECT_EQ(progress->text(QAccessible::Name), QStringLiteral("進行状況"));
    EXPECT_TRUE(progress->state().readOnly);
    EXPECT_EQ(progress->valueInterface(), nullptr);
    EXPECT_TRUE(progress->actionInterface() == nullptr || progress->actionInterface()->actionNames().isEmpty());

    // The table: named, and one announcement for each refill, however many
    // rows it took.
    QWidget* table = dlg.Control(IDC_RESULT_LIST);
    EXPECT_EQ(Name(table), QStringLiteral("結果"));
    QCoreApplication::processEvents();
    const int announced = ListAnnouncements(dlg.m_list);
    dlg.m_list.DeleteAllItems();
    for (int row = 0; row < 3; ++row)
        dlg.m_list.InsertItem(row, "x");
    EXPECT_EQ(ListAnnouncements(dlg.m_list), announced);
    QCoreApplication::processEvents();
    EXPECT_EQ(ListAnnouncements(dlg.m_list), announced + 1);

    // The read-only fields stay out of the tab order: Tab goes round the
    // check box, the start button and the table.
    QWidget* window = dlg.Window();
    window->show();
    QApplication::setActiveWindow(window);
    const QWidget* expected[] = {dlg.Control(IDC_START), table, dlg.Control(IDC_COUNT_ALTERNATIVES)};
    for (const QWidget* next : expected) {
        PressKey(window, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    dlg.SendMessage(WM_CLOSE);
}

TEST(Desktop, CtrlCCopiesTheWholeTableAndClippedHeadingsEndInAnEllipsis)
{
    CTestPuzzleDlg dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    for (int row = 1; row < 3; ++row) {
        dlg.m_list.InsertItem(row, std::to_string(row + 1).c_str());
        for (int column = 1; column < RESULT_COLUMN_COUNT; ++column)
            dlg.m_list.SetItemText(row, column, row == 1 ? "行き" : "米国");
    }
    QWidget* window = dlg.Window();
    window->show();
    QApplication::setActiveWindow(window);
    dlg.Control(IDC_RESULT_LIST)->setFocus();
    QApplication::clipboard()->clear();
    PressKey(window, Qt::Key_C, Qt::ControlModifier);

    // The header row, then every row, cells apart by tabs.
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 1 + ListItemCount(dlg.m_list) + 1); // ends with a line feed
    EXPECT_TRUE(lines.last().isEmpty());
    for (int line = 0; line <= ListItemCount(dlg.m_list); ++line) {
        const QStringList cells = lines[line].split(QLatin1Char('\t'));
        ASSERT_EQ(cells.size(), RESULT_COLUMN_COUNT) << line;
        for (int column = 0; column < RESULT_COLUMN_COUNT; ++column) {
            const CString want =
                line == 0 ? ListColumnHeading(dlg.m_list, column) : ListItemText(dlg.m_list, line - 1, column);
            EXPECT_EQ(cells[column], QString::fromUtf8(want.GetString())) << line << " " << column;
        }
    }
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("phase\tOvrin")));

    // "Gummel" does not fit its 44 pixels: the header shows it cut at the
    // end with an ellipsis, and the narrower headings whole.
    auto* tree = qobject_cast<QTreeWidget*>(dlg.Control(IDC_RESULT_LIST));
    const QString gummel = tree->headerItem()->text(9);
    EXPECT_TRUE(gummel.startsWith(QStringLiteral("Gum")) && gummel.endsWith(QChar(0x2026))) << gummel.toStdString();
    EXPECT_EQ(tree->headerItem()->text(1), QStringLiteral("Ovrin"));
    EXPECT_EQ(tree->columnWidth(9), 44);
    dlg.SendMessage(WM_CLOSE);
}

TEST(Desktop, TheFocusShowsFromTheStartAndTheKeyboardsWindowMenuHighlightsItsFirstItem)
{
    CWinApp app;
    CTestPuzzleDlg dlg;
    app.m_pMainWnd = &dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    QWidget* window = dlg.Window();
    EXPECT_EQ(window->focusWidget(), dlg.Control(IDC_COUNT_ALTERNATIVES));
    EXPECT_TRUE(window->testAttribute(Qt::WA_KeyboardFocusChange));

    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        // Enter in the menu acts on the highlighted item: the About box.
        QString highlighted;
        CUiResponder menu(
            [] {
                auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                return popup != nullptr && popup->isVisible() ? popup : nullptr;
            },
            [&highlighted](QWidget* popup) {
                auto* menuWidget = static_cast<QMenu*>(popup);
                highlighted = menuWidget->activeAction() != nullptr ? menuWidget->activeAction()->text() : QString();
                QTest::keyClick(menuWidget, Qt::Key_Return);
            });
        CAboutBoxSeen about;
        auto box = AnswerAboutBox(window, &about);
        PressKey(window, modifiers == Qt::NoModifier ? Qt::Key_Menu : Qt::Key_F10, modifiers);
        EXPECT_TRUE(menu.Done());
        EXPECT_EQ(highlighted, QStringLiteral("TorvalyPuzzle のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
        EXPECT_TRUE(box->Done());
    }
    dlg.SendMessage(WM_CLOSE);
}

TEST(Desktop, DialogsOpenCentredFrameIncludedTheMessageBoxOverTheDialog)
{
    // A frame that fits is centred; one too large keeps its title bar on the
    // screen.
    EXPECT_EQ(CentredFramePosition(QRect(0, 30, 1280, 870), QSize(600, 470)), QPoint(340, 230));
    EXPECT_EQ(CentredFramePosition(QRect(0, 30, 1280, 870), QSize(1300, 900)), QPoint(0, 30));

    CWinApp app;
    CTestPuzzleDlg dlg;
    app.m_pMainWnd = &dlg;
    ASSERT_TRUE(dlg.Create(CPuzzleDlg::IDD));
    QWidget* window = dlg.Window();
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (frame.width() <= available.width() && frame.height() <= available.height()) {
        EXPECT_LE((frame.center() - available.center()).manhattanLength(), 1);
    } else {
        EXPECT_TRUE(available.contains(frame.topLeft()));
    }

    CMessageBoxSeen seen;
    auto box = AnswerMessageBox(QStringLiteral("OK"), &seen);
    AfxMessageBox("中断しますか?", MB_OKCANCEL);
    ASSERT_TRUE(box->Done());
    if (available.contains(window->frameGeometry())) { // else the box keeps to the screen
        EXPECT_LE(std::abs(seen.m_frame.center().x() - window->frameGeometry().center().x()), 1);
    }
    EXPECT_TRUE(available.contains(seen.m_frame.topLeft()));
    dlg.SendMessage(WM_CLOSE);
}
