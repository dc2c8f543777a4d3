#include "CommandLine.h"

#include "platform/ArgumentEcho.h"
#include "res/ProgramVersion.h"

#include <string_view>

CSolveOptions ParseCommandLine(int argc, const char* const* argv)
{
    CSolveOptions options;
    bool optionsEnded = false;
    for (int i = 1; i < argc && options.m_error.empty(); ++i) {
        const std::string_view argument = argv[i];
        const bool isOption = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (!isOption)
            options.m_error =
                "unexpected argument '" + EchoedArgument(argument) + "': only options are taken (see --help)";
        else if (argument == "--")
            optionsEnded = true;
        else if (argument == "--count-alternatives")
            options.m_countAlternatives = true;
        else if (argument == "--json")
            options.m_json = true;
        else if (argument == "--help" || argument == "-h")
            options.m_showHelp = true;
        else if (argument == "--version")
            options.m_showVersion = true;
        else
            options.m_error = "unknown option '" + EchoedArgument(argument) + "' (see --help)";
    }
    return options;
}

std::string VersionText()
{
    return "torvaly-solve (TorvalyPuzzle) " TORVALY_VERSION_TEXT "\n";
}

const char* UsageText()
{
    return "Usage: torvaly-solve [OPTION]...\n"
           "Solve the Torvaly crossing puzzle and print the shortest sequence of trips.\n"
           "\n"
           "Twelve travellers, five of whom can operate a trip, must cross under fixed\n"
           "safety rules. The search runs on a worker thread as in the dialog program,\n"
           "torvaly-puzzle, and the result is printed as the dialog shows it: a table\n"
           "with one row per arrangement of the best path, the step number under\n"
           "\"phase\" and then, under each traveller's name, where the traveller is\n"
           "(日本 start side, 行き aboard outbound, 米国 far side, 帰り aboard\n"
           "returning); then the five figures, one per line, label and value.\n"
           "\n"
           "Options:\n"
           "  --count-alternatives  also search the paths that can only tie with the\n"
           "                        best, and count the other solutions of the same\n"
           "                        length (the dialog's 別解個数 check box)\n"
           "  --json                print the result as one JSON object instead\n"
           "  -h, --help            display this help and exit\n"
           "      --version         output version information and exit\n"
           "\n"
           "Figures, by their labels in the report:\n"
           "  経過時間 (elapsed time)\n"
           "                      how long the search ran, hours:minutes:seconds\n"
           "  試行回数 (trials)\n"
           "                      the candidates the search rejected: unsafe\n"
           "                      arrangements, paths that could not beat the best or\n"
           "                      made no progress, and steps beyond the limit of 99\n"
           "  往復回数 (round trips)\n"
           "                      the best path's steps divided by four, with one\n"
           "                      decimal and a decimal point: 11.5 for a shortest\n"
           "                      solution\n"
           "  到着人数 (arrived)\n"
           "                      the travellers on the far side at the end of the best\n"
           "                      path: 12 when it is a solution\n"
           "  別解個数 (alternative solutions)\n"
           "                      the other solutions as short as the best; counted\n"
           "                      only with --count-alternatives, otherwise 0\n"
           "\n"
           "JSON fields:\n"
           "  completed           true when the search ran to its end; false when a\n"
           "                      signal stopped it and the figures are the best found\n"
           "                      so far\n"
           "  signal              \"SIGINT\", \"SIGTERM\" or \"SIGHUP\" when one was\n"
           "                      received (after the search had ended if completed\n"
           "                      is true), else null\n"
           "  count_alternatives  whether --count-alternatives was given\n"
           "  elapsed             経過時間, \"hh:mm:ss\"\n"
           "  elapsed_seconds     経過時間 in whole seconds\n"
           "  trials              試行回数\n"
           "  round_trips         往復回数, a number\n"
           "  arrived             到着人数\n"
           "  alternatives        別解個数\n"
           "  path                the table, one object per row: \"phase\", the step\n"
           "                      number from 1, then one member per traveller, \"Ovrin\"\n"
           "                      to \"Yarrit\", holding 日本, 行き, 米国 or 帰り\n"
           "\n"
           "Progress is shown on standard error when it is a terminal and TERM is not\n"
           "\"dumb\". SIGINT (Ctrl-C), SIGTERM and SIGHUP stop the search: the best path\n"
           "found so far is printed, and standard error says that the search was\n"
           "stopped. A signal that was ignored when the program started (nohup, a\n"
           "background job) stays ignored. The output is UTF-8 in every locale.\n"
           "\n"
           "Exit status:\n"
           "  0    the search ran to its end and the result was written\n"
           "  1    the search could not be started, or standard output could not be\n"
           "       written\n"
           "  2    a wrong option or argument\n"
           "  129  SIGHUP received (128 plus the signal's number)\n"
           "  130  SIGINT received\n"
           "  143  SIGTERM received\n";
}
