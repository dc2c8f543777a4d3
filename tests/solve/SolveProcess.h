// torvaly-solve running as a child process, with standard output on a pipe
// and standard error on a pseudo-terminal, so that it shows its progress line
// there; it can be signalled and held stopped while it runs.
#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

class CSolveProcess {
public:
    using Clock = std::chrono::steady_clock;

    ~CSolveProcess();

    // Starts arguments[0] with the arguments, in this process's environment
    // with TERM=xterm and then the given "NAME=value" entries. Returns "" or
    // what went wrong.
    std::string Start(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {});

    // Reads what the tool wrote until its exit or the deadline, or until the
    // first progress line when StopAtProgress is set; returns whether it has
    // exited.
    bool Pump(Clock::time_point deadline);
    void StopAtProgress(bool stop) { m_stopAtProgress = stop; }

    // The first progress line, once one has been shown: the search is then
    // started and the stop handlers are installed.
    bool ProgressLineSeen();

    // Sends signal and waits until a thread of the tool has taken it from the
    // process's pending signals, so that its handler runs. False when the tool
    // ended first, or at the deadline.
    bool SignalAndWaitUntilTaken(int signal, Clock::time_point deadline);

    // Stops every thread of the tool; true once it is stopped, false when it
    // ended instead.
    bool Freeze();
    void Thaw();

    pid_t Pid() const { return m_pid; }
    bool Exited() const { return m_exited; }
    int Status() const { return m_status; } // as waitpid gives it
    const std::string& Stdout() const { return m_stdout; }
    const std::string& Stderr() const { return m_stderr; }
    int FirstPos() const { return m_firstPos; }
    int FirstMax() const { return m_firstMax; }

private:
    bool Reap(int options);
    static void CloseFd(int& fd);
    void Drain(int& fd, std::string& into);

    pid_t m_pid = -1;
    int m_out = -1;
    int m_terminal = -1;
    bool m_exited = false;
    bool m_stopAtProgress = false;
    int m_status = 0;
    int m_firstPos = -1;
    int m_firstMax = -1;
    std::string m_stdout;
    std::string m_stderr;
};
