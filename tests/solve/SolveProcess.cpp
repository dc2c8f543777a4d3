#include "SolveProcess.h"

#include "RunProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

CSolveProcess::~CSolveProcess()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    CloseFd(m_out);
    CloseFd(m_terminal);
}

std::string CSolveProcess::Start(const std::vector<std::string>& arguments, const std::vector<std::string>& environment)
{
    m_terminal = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_terminal < 0 || grantpt(m_terminal) != 0 || unlockpt(m_terminal) != 0)
        return "no pseudo-terminal";
    fcntl(m_terminal, F_SETFD, FD_CLOEXEC);
    const char* terminalName = ptsname(m_terminal);
    if (terminalName == nullptr)
        return "no pseudo-terminal name";
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0)
        return "no pipe";
    m_out = pipeFds[0];

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, terminalName, O_RDWR | O_NOCTTY, 0);
    // A terminal on which the progress line can be drawn, whatever the
    // terminal the tests run in.
    std::vector<std::string> entries = {"TERM=xterm"};
    entries.insert(entries.end(), environment.begin(), environment.end());
    std::vector<std::string> argumentTexts = arguments;
    std::vector<std::string> environmentTexts = EnvironmentWith(entries);
    const std::vector<char*> argv = Pointers(argumentTexts);
    const std::vector<char*> envp = Pointers(environmentTexts);
    const int spawned = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        m_pid = -1;
        return "could not start " + arguments[0];
    }
    return {};
}

bool CSolveProcess::Pump(Clock::time_point deadline)
{
    while (Clock::now() < deadline) {
        pollfd fds[2] = {{m_out, POLLIN, 0}, {m_terminal, POLLIN, 0}};
        poll(fds, 2, 20);
        Drain(m_out, m_stdout);
        Drain(m_terminal, m_stderr);
        Reap(WNOHANG);
        if (m_exited && m_out < 0)
            return true;
        if (m_stopAtProgress && ProgressLineSeen())
            return false;
    }
    return m_exited;
}

bool CSolveProcess::ProgressLineSeen()
{
    // "[####......] pos/max  elapsed  試行回数 n"
    for (std::size_t at = m_stderr.find("] "); at != std::string::npos; at = m_stderr.find("] ", at + 1)) {
        const char* text = m_stderr.c_str() + at + 2;
        char* end = nullptr;
        const long pos = std::strtol(text, &end, 10);
        if (end == text || *end != '/')
            continue;
        const char* maxText = end + 1;
        const long max = std::strtol(maxText, &end, 10);
        if (end == maxText || *end != ' ')
            continue;
        m_firstPos = static_cast<int>(pos);
        m_firstMax = static_cast<int>(max);
        return true;
    }
    return false;
}

bool CSolveProcess::SignalAndWaitUntilTaken(int signal, Clock::time_point deadline)
{
    kill(m_pid, signal);
    const std::string statusPath = "/proc/" + std::to_string(m_pid) + "/status";
    while (Clock::now() < deadline) {
        if (Reap(WNOHANG))
            return false;
        std::FILE* status = std::fopen(statusPath.c_str(), "r");
        if (status == nullptr)
            return false;
        unsigned long long shared = ~0ull;
        char line[256];
        while (std::fgets(line, sizeof line, status) != nullptr) {
            if (std::strncmp(line, "ShdPnd:", 7) == 0)
                shared = std::strtoull(line + 7, nullptr, 16);
        }
        std::fclose(status);
        if ((shared & (1ull << (signal - 1))) == 0)
            return true;
        std::this_thread::yield();
    }
    return false;
}

bool CSolveProcess::Freeze()
{
    kill(m_pid, SIGSTOP);
    int status = 0;
    if (waitpid(m_pid, &status, WUNTRACED) != m_pid)
        return false;
    if (WIFSTOPPED(status))
        return true;
    m_exited = true;
    m_status = status;
    return false;
}

void CSolveProcess::Thaw()
{
    kill(m_pid, SIGCONT);
}

// Collects the exit status once the tool has ended.
bool CSolveProcess::Reap(int options)
{
    if (m_pid > 0 && !m_exited) {
        int status = 0;
        if (waitpid(m_pid, &status, options) == m_pid && (WIFEXITED(status) || WIFSIGNALED(status))) {
            m_exited = true;
            m_status = status;
        }
    }
    return m_exited;
}

void CSolveProcess::CloseFd(int& fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

void CSolveProcess::Drain(int& fd, std::string& into)
{
    if (fd < 0)
        return;
    for (;;) {
        pollfd ready = {fd, POLLIN, 0};
        if (poll(&ready, 1, 0) <= 0)
            return;
        char buffer[4096];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0) {
            into.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // End of file, or EIO once the terminal's last user has gone.
        if (&fd == &m_out)
            CloseFd(fd);
        return;
    }
}
