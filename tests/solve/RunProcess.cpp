#include "RunProcess.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::vector<std::string> EnvironmentWith(const std::vector<std::string>& entries)
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry)
        environment.push_back(*entry);
    for (const std::string& entry : entries) {
        const std::string name = entry.substr(0, entry.find('=') + 1);
        std::erase_if(environment, [&](const std::string& old) { return old.compare(0, name.size(), name) == 0; });
        environment.push_back(entry);
    }
    return environment;
}

CProcessResult RunProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                          EStdout stdoutTo, const std::string& stdinFrom)
{
    char folderTemplate[] = "/tmp/torvaly-test-XXXXXX";
    const std::string folder = mkdtemp(folderTemplate);
    const std::string outPath = folder + "/out";
    const std::string errPath = folder + "/err";

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, stdinFrom.c_str(), O_RDONLY, 0);
    if (stdoutTo == EStdout::CAPTURED)
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    else if (stdoutTo == EStdout::DEV_FULL)
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/full", O_WRONLY, 0);
    else
        posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> argumentTexts = arguments;
    std::vector<std::string> environmentTexts = EnvironmentWith(environment);
    const std::vector<char*> argv = Pointers(argumentTexts);
    const std::vector<char*> envp = Pointers(environmentTexts);

    CProcessResult result;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        if (WIFEXITED(status))
            result.m_exitStatus = WEXITSTATUS(status);
    }
    posix_spawn_file_actions_destroy(&actions);

    result.m_out = ReadFile(outPath);
    result.m_err = ReadFile(errPath);
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    rmdir(folder.c_str());
    return result;
}

CTempFile::CTempFile(const std::string& text)
{
    close(mkstemps(m_path, 14));
    std::ofstream(m_path, std::ios::binary) << text;
}

CTempFile::~CTempFile()
{
    unlink(m_path);
}
