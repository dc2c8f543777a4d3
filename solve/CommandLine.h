// The options of torvaly-solve.
#pragma once

#include <string>

struct CSolveOptions {
    bool m_countAlternatives = false;
    bool m_showHelp = false;
    std::string m_error; // set when the command line cannot be used
};

CSolveOptions ParseCommandLine(int argc, const char* const* argv);

const char* UsageText();
