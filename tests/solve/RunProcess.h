// Runs a program to its end and collects what it wrote and how it ended.
#pragma once

#include <string>
#include <vector>

struct ProcessResult {
    int exitStatus = -1; // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

ProcessResult RunProcess(const std::vector<std::string>& arguments);

std::vector<std::string> SplitLines(const std::string& text);
