// Runs a program to its end and collects what it wrote and how it ended.
#pragma once

#include <string>
#include <vector>

struct CProcessResult {
    int m_exitStatus = -1; // -1 when the program did not exit normally
    std::string m_out;
    std::string m_err;
};

CProcessResult RunProcess(const std::vector<std::string>& arguments);

std::vector<std::string> SplitLines(const std::string& text);
