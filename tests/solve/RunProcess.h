// Runs a program to its end and collects what it wrote and how it ended.
#pragma once

#include <string>
#include <vector>

struct CProcessResult {
    int m_exitStatus = -1; // -1 when the program did not exit normally
    std::string m_out;
    std::string m_err;
};

// Where the program's standard output goes.
enum class EStdout { CAPTURED, DEV_FULL, CLOSED };

// environment: "NAME=value" entries that add to or replace this process's.
// Standard input reads the file stdinFrom.
CProcessResult RunProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {},
                          EStdout stdoutTo = EStdout::CAPTURED, const std::string& stdinFrom = "/dev/null");

// This process's environment with the entries added or replaced, in order.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& entries);

// The texts as an argv or envp array, ended by a null pointer; valid while
// texts is unchanged.
std::vector<char*> Pointers(std::vector<std::string>& texts);

// A file holding text, named *.crossing.toml, removed with the object.
class CTempFile {
public:
    explicit CTempFile(const std::string& text);
    ~CTempFile();
    CTempFile(const CTempFile&) = delete;
    CTempFile& operator=(const CTempFile&) = delete;
    std::string Path() const { return m_path; }

private:
    char m_path[40] = "/tmp/torvaly-XXXXXX.crossing.toml";
};
