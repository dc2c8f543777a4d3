// torvaly-solve when things go wrong: the worker thread cannot be started, or
// the user presses Ctrl-C, or SIGTERM or SIGHUP arrives, while the search
// runs. Checked in-process through RunSolveSession and on the real executable.

#include "PathChecker.h"
#include "SolveProcess.h"
#include "TableReader.h"
#include "engine/AbortEvent.h"
#include "engine/SolverTask.h"
#include "engine/WorkerTask.h"
#include "platform/Thread.h"
#include "solve/SolveSession.h"
#include "solve/StopSignal.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <pthread.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <vector>

namespace {

using Clock = CSolveProcess::Clock;

constexpr int EXIT_INTERRUPTED = 128 + SIGINT;
constexpr int SHORTEST_TOP = 46;
constexpr int UNSAFE_FIRST_TRIPS = FIRST_TRIP_COUNT - 7;
// Hang bounds, far above any normal run.
constexpr DWORD GATE_BOUND_MS = 30000;
constexpr auto EXIT_BOUND = std::chrono::seconds(20);

std::string ReadWhole(std::FILE* file)
{
    std::fflush(file);
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    return text;
}

// Puts the thread-start test seams back however a test ends.
struct CThreadSeamsReset {
    ~CThreadSeamsReset()
    {
        SetThreadStartFailureForTesting(FALSE);
        SetThreadStartHookForTesting(nullptr);
    }
};

TEST(SolveSessionFaults, AFailedStartIsReportedOnOneLineAndALaterStartWorks)
{
    CThreadSeamsReset resetSeams;
    g_abortEvent.ResetEvent();

    SetThreadStartFailureForTesting(TRUE);
    std::FILE* progress = std::tmpfile();
    ASSERT_NE(progress, nullptr);
    std::ostringstream out;
    const int failed = RunSolveSession(CSolveOptions{}, out, progress);
    const std::string message = ReadWhole(progress);
    std::fclose(progress);
    SetThreadStartFailureForTesting(FALSE);

    EXPECT_EQ(failed, 1);
    // Exactly one complete, non-empty line, and no report.
    ASSERT_FALSE(message.empty());
    EXPECT_EQ(message.back(), '\n') << message;
    EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
    EXPECT_GT(message.size(), 1u);
    EXPECT_EQ(out.str(), "");
    // Nothing stays counted from the refused start.
    EXPECT_EQ(g_runningWorkers.load(), 0);
    EXPECT_EQ(g_idleEvent.Lock(0), TRUE);

    // Once threads can start again, a run goes through to the full result.
    std::FILE* progressAgain = std::tmpfile();
    ASSERT_NE(progressAgain, nullptr);
    std::ostringstream outAgain;
    const int status = RunSolveSession(CSolveOptions{}, outAgain, progressAgain);
    const std::string progressText = ReadWhole(progressAgain);
    std::fclose(progressAgain);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(progressText, "") << "progress is only shown on a terminal";
    CSolveReport report;
    ASSERT_EQ(ParseSolveReport(outAgain.str(), report), "") << outAgain.str();
    EXPECT_EQ(CheckPath(report.m_path), "");
    EXPECT_EQ(report.m_path.Top(), SHORTEST_TOP);
    EXPECT_EQ(report.m_arrived, TRAVELLER_COUNT);
    EXPECT_EQ(report.m_roundTrips, "11.5");
    EXPECT_EQ(report.m_alternatives, 0);
    EXPECT_GE(report.m_trials, UNSAFE_FIRST_TRIPS);
    EXPECT_EQ(g_runningWorkers.load(), 0);
}

// --- Ctrl-C in-process -----------------------------------------------------

// The thread that runs the session, and whether Ctrl-C is delivered to it or
// to the worker (the system may pick either thread for a signal sent to the
// process).
pthread_t g_sessionThread;
std::atomic<bool> g_ctrlCOnTheWorker{false};
std::atomic<int> g_gateCalls{0};
std::atomic<bool> g_gateOpenedByStop{false};

// Runs on the worker thread before its search: Ctrl-C arrives while the
// worker certainly runs, and the worker waits until the session has asked it
// to stop.
void CtrlCAtTheGate()
{
    ++g_gateCalls;
    if (g_ctrlCOnTheWorker)
        raise(SIGINT);
    else
        pthread_kill(g_sessionThread, SIGINT);
    g_gateOpenedByStop = g_abortEvent.Lock(GATE_BOUND_MS) == TRUE;
}

// Returns "" when the interrupted session behaved, else the first fault.
std::string InterruptedSessionFault(bool ctrlCOnTheWorker)
{
    CThreadSeamsReset resetSeams;
    g_abortEvent.ResetEvent();
    InstallStopHandlers();
    g_sessionThread = pthread_self();
    g_ctrlCOnTheWorker = ctrlCOnTheWorker;
    SetThreadStartHookForTesting(CtrlCAtTheGate);

    std::FILE* progress = std::tmpfile();
    if (progress == nullptr)
        return "no temporary file";
    std::ostringstream out;
    CSolveOptions options;
    options.m_countAlternatives = true;
    const int status = RunSolveSession(options, out, progress);
    std::fclose(progress);
    SetThreadStartHookForTesting(nullptr);

    if (g_gateCalls != 1)
        return "the worker passed the gate " + std::to_string(g_gateCalls.load()) + " times";
    if (!g_gateOpenedByStop)
        return "the session did not ask the held worker to stop within " + std::to_string(GATE_BOUND_MS) + " ms";
    if (PendingStopSignal() != SIGINT)
        return "the handler did not catch SIGINT";
    if (status != EXIT_INTERRUPTED)
        return "the session returned " + std::to_string(status) + " instead of " + std::to_string(EXIT_INTERRUPTED);
    if (g_runningWorkers.load() != 0 || g_idleEvent.Lock(0) != TRUE)
        return "a worker is still counted after the session";

    CSolveReport report;
    const std::string fault = ParseSolveReport(out.str(), report);
    if (!fault.empty())
        return "report: " + fault + "\n" + out.str();
    if (!CheckPath(report.m_path).empty())
        return "illegal best path: " + CheckPath(report.m_path);
    // The stop was set before the search went past its first trips, so no
    // return trip was boarded: the best is one of the first trips.
    if (report.m_path.Top() != 2 || report.m_arrived != 2)
        return "best so far has top " + std::to_string(report.m_path.Top()) + " and " +
               std::to_string(report.m_arrived) + " arrived, expected one first trip of two\n" + out.str();
    if (report.m_trials < UNSAFE_FIRST_TRIPS)
        return "only " + std::to_string(report.m_trials) + " trials reported";
    return {};
}

// The body of a death test: runs the session and ends the child process with
// 0 when it behaved. A normal exit joins the ended worker thread and lets a
// sanitizer turn any report of its own into a failing exit status.
[[noreturn]] void RunInterruptedSessionAndExit(bool ctrlCOnTheWorker)
{
    const std::string fault = InterruptedSessionFault(ctrlCOnTheWorker);
    if (!fault.empty()) {
        std::fprintf(stderr, "interrupted session: %s\n", fault.c_str());
        std::fflush(stderr);
        std::exit(1);
    }
    std::fprintf(stderr, "interrupted session: as expected\n");
    std::fflush(stderr);
    std::exit(0);
}

// The caught signal stays pending for the rest of the process, so each
// interrupted session runs in a child process of its own.
TEST(SolveSessionFaults, CtrlCDuringTheSearchReturns130WithTheBestSoFar)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunInterruptedSessionAndExit(false), ::testing::ExitedWithCode(0), "interrupted session: as expected");
}

// Ctrl-C caught on the worker thread: the handler then stores the signal on
// one thread while the session reads it on another: the stored signal must
// be an atomic, or ThreadSanitizer reports a data race.
TEST(SolveSessionFaults, CtrlCCaughtOnTheWorkerThreadReturns130WithTheBestSoFar)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(RunInterruptedSessionAndExit(true), ::testing::ExitedWithCode(0), "interrupted session: as expected");
}

// --- Stop signals on the executable ---------------------------------------

// How one run of the tool ended after a stop signal.
struct CStopOutcome {
    int m_code = -1;
    bool m_stopped = false; // stderr says the search was stopped
    bool m_late = false;    // stderr says the signal came after the search had ended
};

// Runs torvaly-solve with arguments and sends it signal while its search
// runs, until an attempt stops the search; checkOutput judges each attempt's
// standard output. Returns how many attempts were stopped.
//
// The tool looks for a signal once per poll of the search (200 ms, the
// dialog's timer period), so a short search can end before it looks. To make
// it look while the search still runs: once the first progress line shows the
// search under way, the signal is sent and taken, then the whole tool is held
// stopped for longer than a poll period, so that its next poll is due the
// moment it continues, before the worker can get much further. The hold is
// part of the setup, not a wait for anything.
//
// A search that ended before all that may end normally, and must then show
// the full result; at least one of a few attempts must be a stopped one.
int StopDuringSearch(int signal, const std::vector<std::string>& arguments,
                     const std::function<void(const std::string& out, const CStopOutcome& outcome)>& checkOutput)
{
    constexpr auto HOLD = std::chrono::milliseconds(600);
    constexpr int ATTEMPTS = 5;
    const std::string name = StopSignalName(signal);
    int stopped = 0;
    for (int attempt = 0; attempt < ATTEMPTS && stopped == 0; ++attempt) {
        SCOPED_TRACE(name + " attempt " + std::to_string(attempt));
        CSolveProcess tool;
        std::vector<std::string> argv = {TORVALY_SOLVE_PATH};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        const std::string started = tool.Start(argv);
        if (!started.empty()) {
            ADD_FAILURE() << started;
            return stopped;
        }
        tool.StopAtProgress(true);
        const bool ended = tool.Pump(Clock::now() + EXIT_BOUND);
        EXPECT_TRUE(ended || tool.ProgressLineSeen()) << "no progress line on the terminal within the bound:\n"
                                                      << tool.Stderr();
        bool sent = false;
        bool taken = false;
        bool held = false;
        if (!ended && tool.FirstPos() < tool.FirstMax()) {
            sent = true;
            taken = tool.SignalAndWaitUntilTaken(signal, Clock::now() + EXIT_BOUND);
            if (taken && tool.Freeze()) {
                held = true;
                std::this_thread::sleep_for(HOLD);
                tool.Thaw();
            }
        }
        tool.StopAtProgress(false);
        if (!tool.Pump(Clock::now() + EXIT_BOUND)) {
            ADD_FAILURE() << "torvaly-solve did not exit within the bound after " << name << "; terminal:\n"
                          << tool.Stderr();
            return stopped;
        }
        if (!WIFEXITED(tool.Status())) {
            ADD_FAILURE() << "ended by signal " << WTERMSIG(tool.Status()) << "; terminal:\n" << tool.Stderr();
            return stopped;
        }
        CStopOutcome outcome;
        outcome.m_code = WEXITSTATUS(tool.Status());
        outcome.m_stopped = tool.Stderr().find("the search was stopped by " + name +
                                               "; the figures are the best found so far") != std::string::npos;
        outcome.m_late = tool.Stderr().find(name + " received after the search had ended") != std::string::npos;
        std::cout << "torvaly-solve " << name << " attempt " << attempt << ": first progress " << tool.FirstPos() << "/"
                  << tool.FirstMax()
                  << (!sent   ? ", ended before the signal"
                      : taken ? ", signal taken"
                              : ", signal sent")
                  << (held ? ", held" : "") << ", exit " << outcome.m_code << std::endl;
        if (outcome.m_code == 0) {
            // Only a search that had already ended may miss the signal.
            EXPECT_FALSE(outcome.m_stopped || outcome.m_late) << tool.Stderr();
        } else {
            // Stopped, or ended by itself just before the poll that would
            // have stopped it; the signal decides the status either way.
            EXPECT_TRUE(sent);
            EXPECT_EQ(outcome.m_code, 128 + signal) << tool.Stderr();
            EXPECT_NE(outcome.m_stopped, outcome.m_late) << "one line says how the search ended:\n" << tool.Stderr();
        }
        checkOutput(tool.Stdout(), outcome);
        stopped += outcome.m_stopped ? 1 : 0;
    }
    return stopped;
}

// The report of a stopped search holds a legal best path so far; that of a
// search that ended, the full result.
void ExpectBestSoFarOrFull(const CSolveReport& report, bool stopped)
{
    EXPECT_EQ(CheckPath(report.m_path), "");
    EXPECT_GE(report.m_trials, UNSAFE_FIRST_TRIPS);
    if (!stopped) {
        EXPECT_EQ(report.m_path.Top(), SHORTEST_TOP);
        EXPECT_EQ(report.m_arrived, TRAVELLER_COUNT);
    }
}

TEST(SolveSessionFaults, TorvalySolveInterruptedByCtrlCExitsWith130AndAFullReport)
{
    const int stopped =
        StopDuringSearch(SIGINT, {"--count-alternatives"}, [](const std::string& out, const CStopOutcome& outcome) {
            CSolveReport report;
            ASSERT_EQ(ParseSolveReport(out, report), "") << "exit " << outcome.m_code << "; stdout:\n" << out;
            ExpectBestSoFarOrFull(report, outcome.m_stopped);
        });
    EXPECT_GT(stopped, 0) << "no attempt was interrupted by Ctrl-C";
}

// SIGTERM and SIGHUP stop the search as Ctrl-C does; the JSON says whether
// the figures are complete.
TEST(SolveSessionFaults, TermAndHangUpStopTheSearchAndTheJsonSaysSo)
{
    for (const int signal : {SIGTERM, SIGHUP}) {
        const int stopped = StopDuringSearch(
            signal, {"--count-alternatives", "--json"}, [signal](const std::string& out, const CStopOutcome& outcome) {
                CSolveJson json;
                ASSERT_EQ(ParseSolveJson(out, json), "") << out;
                ExpectBestSoFarOrFull(json.m_report, outcome.m_stopped);
                EXPECT_EQ(json.m_completed, !outcome.m_stopped);
                EXPECT_EQ(json.m_signal, outcome.m_code != 0 ? StopSignalName(signal) : "");
            });
        EXPECT_GT(stopped, 0) << "no attempt was stopped by " << StopSignalName(signal);
    }
}

// nohup and background jobs start a program with SIGHUP or SIGINT ignored;
// they must stay ignored. Both are sent while the tool is held stopped after
// its handlers are installed: caught, they would wait and stop the search
// when it continues; ignored, they are dropped at once.
TEST(SolveSessionFaults, HangUpAndCtrlCIgnoredAtStartStayIgnored)
{
    CSolveProcess tool;
    ASSERT_EQ(tool.Start({"/bin/sh", "-c", "trap '' HUP INT; exec \"$0\" \"$@\"", TORVALY_SOLVE_PATH,
                          "--count-alternatives", "--json"}),
              "");
    tool.StopAtProgress(true);
    ASSERT_FALSE(tool.Pump(Clock::now() + EXIT_BOUND)) << "ended before its search was seen running";
    ASSERT_TRUE(tool.ProgressLineSeen()) << tool.Stderr();
    ASSERT_TRUE(tool.Freeze());
    kill(tool.Pid(), SIGHUP);
    kill(tool.Pid(), SIGINT);
    tool.Thaw();
    tool.StopAtProgress(false);
    ASSERT_TRUE(tool.Pump(Clock::now() + EXIT_BOUND)) << tool.Stderr();
    ASSERT_TRUE(WIFEXITED(tool.Status())) << "ended by signal " << WTERMSIG(tool.Status());
    EXPECT_EQ(WEXITSTATUS(tool.Status()), 0) << tool.Stderr();
    CSolveJson json;
    ASSERT_EQ(ParseSolveJson(tool.Stdout(), json), "") << tool.Stdout();
    EXPECT_TRUE(json.m_completed);
    EXPECT_EQ(json.m_signal, "");
}

// A terminal that cannot redraw a line gets no progress line.
TEST(SolveSessionFaults, NoProgressLineOnADumbTerminal)
{
    CSolveProcess tool;
    ASSERT_EQ(tool.Start({TORVALY_SOLVE_PATH}, {"TERM=dumb"}), "");
    ASSERT_TRUE(tool.Pump(Clock::now() + EXIT_BOUND));
    ASSERT_TRUE(WIFEXITED(tool.Status()));
    EXPECT_EQ(WEXITSTATUS(tool.Status()), 0);
    EXPECT_EQ(tool.Stderr(), "");
    CSolveReport report;
    EXPECT_EQ(ParseSolveReport(tool.Stdout(), report), "") << tool.Stdout();
}

} // namespace
