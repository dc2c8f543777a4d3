// The dialog started and closed at random moments, many times over: it must
// never hang or crash, must never leave a worker behind, and must never show
// a table that is not a legal sequence of trips.
#include "TestPuzzleDlg.h"
#include "WorkerGate.h"

#include "TableReader.h"
#include "engine/WorkerTask.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <random>

namespace {

constexpr int STRESS_RUNS = 200;

unsigned StressSeed()
{
    if (const char* text = std::getenv("TORVALY_UI_STRESS_SEED"))
        return static_cast<unsigned>(std::strtoul(text, nullptr, 10));
    return std::random_device{}();
}

TEST(DialogStopStress, ClosingAtAnyMomentStopsCleanly)
{
    const unsigned seed = StressSeed();
    std::cout << "dialog stress seed " << seed << " (replay with TORVALY_UI_STRESS_SEED)" << std::endl;
    ::testing::Test::RecordProperty("seed", std::to_string(seed));
    std::mt19937 random(seed);

    int asked = 0;
    for (int run = 0; run < STRESS_RUNS; ++run) {
        SCOPED_TRACE("run " + std::to_string(run) + ", seed " + std::to_string(seed));
        const bool countAlternatives = random() % 2 == 0;
        const bool startWithEnter = random() % 2 == 0;
        const bool closeWithEsc = random() % 2 == 0;
        // Mostly soon after the start, sometimes well after the end.
        const int delayMs = random() % 4 == 0 ? static_cast<int>(random() % 400) : static_cast<int>(random() % 40);

        CTestPuzzleDlg dlg;
        CWorkerCleanup cleanup;
        CMessageBoxSeen seen;
        std::unique_ptr<CUiResponder> box;
        int workersAtEnd = -1;
        std::vector<std::vector<std::string>> tableAtEnd;
        const std::intptr_t result = RunModal(dlg, [&](QWidget* window) {
            if (countAlternatives)
                ClickWidget(dlg.Control(IDC_COUNT_ALTERNATIVES));
            if (startWithEnter)
                PressKey(window, Qt::Key_Return);
            else
                ClickWidget(dlg.Control(IDC_START));
            if (delayMs > 0)
                QTest::qWait(delayMs);
            box = AnswerMessageBox(QStringLiteral("OK"), &seen);
            if (closeWithEsc)
                PressKey(window, Qt::Key_Escape);
            else
                window->close();
            workersAtEnd = g_runningWorkers.load();
            tableAtEnd = dlg.Table();
        });

        ASSERT_EQ(result, IDCANCEL);
        EXPECT_EQ(workersAtEnd, 0) << "the dialog closed before its worker ended";
        EXPECT_EQ(g_runningWorkers.load(), 0);
        EXPECT_TRUE(dlg.m_status.m_finished);
        if (box->Done()) {
            ++asked;
            EXPECT_EQ(seen.m_text, QStringLiteral("中断しますか?"));
        }
        // The table as the user last saw it, read back into a path.
        CCrossingPath shown;
        EXPECT_EQ(ReadTableRows(tableAtEnd, shown), "");
        if (::testing::Test::HasFailure())
            break;
    }
    std::cout << asked << " of " << STRESS_RUNS << " closes asked 中断しますか?" << std::endl;
}

} // namespace
