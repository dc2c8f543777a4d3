#include "CommandLine.h"

CSolveOptions ParseCommandLine(int argc, const char* const* argv)
{
    CSolveOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--count-alternatives") {
            options.m_countAlternatives = true;
        } else if (argument == "--help" || argument == "-h") {
            options.m_showHelp = true;
        } else {
            options.m_error = "unknown option '" + argument + "' (see --help)";
            break;
        }
    }
    return options;
}

const char* UsageText()
{
    return "Usage: torvaly-solve [--count-alternatives]\n"
           "\n"
           "Solves the Torvaly crossing puzzle: twelve travellers, five of whom can\n"
           "operate a trip, must cross under fixed safety rules. The search runs on a\n"
           "worker thread exactly as in the dialog program and prints the shortest\n"
           "sequence of trips it found as a table, one row per arrangement, followed by\n"
           "elapsed time (経過時間), trials (試行回数), round trips (往復回数),\n"
           "travellers arrived (到着人数) and alternative solutions (別解個数).\n"
           "\n"
           "  --count-alternatives  also search paths that can only tie with the best\n"
           "                        and count the other solutions of the same length\n"
           "                        (the dialog's 別解個数 check box)\n"
           "  --help                show this text\n"
           "\n"
           "Progress is shown on standard error when it is a terminal. Ctrl-C stops the\n"
           "search and prints the best path found so far. Exit status: 0 when the\n"
           "search ran to its end, 1 when it could not be started, 2 for a wrong\n"
           "option, 128 plus the signal number when it was interrupted.\n";
}
