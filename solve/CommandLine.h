// The options of torvaly-solve.
#pragma once

#include <string>

struct SolveOptions {
    bool countAlternatives = false;
    bool showHelp = false;
    std::string error; // set when the command line cannot be used
};

SolveOptions ParseCommandLine(int argc, const char* const* argv);

const char* UsageText();
