#include "CommandLine.h"

#include "platform/ArgumentEcho.h"
#include "platform/VersionText.h"
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
        else if (argument == "--trips")
            options.m_trips = true;
        else if (argument == "--check" || argument.starts_with("--check=")) {
            // The file is the next argument, whatever it looks like, or the
            // text after "=".
            const bool attached = argument != "--check";
            if (options.m_check)
                options.m_error = "option '--check' given twice (see --help)";
            else if (!attached && i + 1 == argc)
                options.m_error = "option '--check' needs a file, or - for standard input (see --help)";
            else
                options.m_checkFile = attached ? argument.substr(8) : argv[++i];
            options.m_check = true;
        } else if (argument == "--help" || argument == "-h")
            options.m_showHelp = true;
        else if (argument == "--version")
            options.m_showVersion = true;
        else
            options.m_error = "unknown option '" + EchoedArgument(argument) + "' (see --help)";
    }
    if (options.m_error.empty() && options.m_check) {
        // A check runs no search: the search's options would be ignored.
        if (options.m_countAlternatives)
            options.m_error = "option '--check' cannot be combined with '--count-alternatives' (see --help)";
        else if (options.m_trips)
            options.m_error = "option '--check' cannot be combined with '--trips' (see --help)";
    }
    return options;
}

std::string VersionText()
{
    return VersionLine(
        SOLVE_PROGRAM_NAME, "TorvalyPuzzle",
        DottedVersion(TORVALY_VERSION_MAJOR, TORVALY_VERSION_MINOR, TORVALY_VERSION_PATCH, TORVALY_VERSION_TWEAK));
}

const char* UsageText()
{
    return "Usage: torvaly-solve [OPTION]...\n"
           "  or:  torvaly-solve --check FILE [--json]\n"
           "Solve the Torvaly crossing puzzle and print the shortest sequence of trips,\n"
           "or check a sequence of trips.\n"
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
           "  --trips               print the best path as numbered trips instead of\n"
           "                        the table, one line each: the trip's number, its\n"
           "                        direction (行き outbound, 帰り returning) and who\n"
           "                        crosses, by name (\"1 行き Ovrin Nolby\"); then the\n"
           "                        five figures\n"
           "  --json                print the result as one JSON object instead; it\n"
           "                        holds both the table and the trips\n"
           "  --check FILE          check the trips listed in FILE (- for standard\n"
           "                        input) instead of searching; see \"Checking\"\n"
           "                        below. Not with --count-alternatives or --trips\n"
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
           "  trips               the trips of the path, one object per trip: \"trip\",\n"
           "                      its number from 1, \"direction\", 行き or 帰り, and\n"
           "                      \"travellers\", the names of those who cross\n"
           "\n"
           "Checking (--check):\n"
           "  The trips are replayed from the start, everybody and the boat at 日本,\n"
           "  and each is judged by the search's own rules. FILE holds one trip per\n"
           "  line: one or two travellers' names, spelt as the table's headers,\n"
           "  separated by spaces or tabs. A line may start with the trip's number,\n"
           "  which must then be that trip's, and its direction, 行き or 帰り, which\n"
           "  must then be that trip's (the odd trips go, the even ones come back), so\n"
           "  the output of --trips reads back as it is. Blank lines, and lines whose\n"
           "  first word starts with # or is a figure's label, are skipped. Lines are\n"
           "  UTF-8, at most 1024 bytes long, and may end in CR LF. The trips are read\n"
           "  in order, and nothing is read past the first trip refused or the first\n"
           "  line that cannot be read.\n"
           "  The result is one line on standard output: everybody across, with the\n"
           "  number of trips and the shortest; the trip refused, its line and why,\n"
           "  with the rule's number when it breaks one; or how many trips remain at\n"
           "  best. A line that cannot be read (an unknown name, three or more names,\n"
           "  a name twice, a wrong number or direction, not UTF-8, too long) is named\n"
           "  on standard error, and nothing is written on standard output.\n"
           "\n"
           "JSON fields with --check:\n"
           "  across              true when every trip was accepted and everybody is\n"
           "                      across\n"
           "  accepted            the number of trips accepted\n"
           "  shortest            the fewest trips that bring everybody across: 23\n"
           "  remaining           the fewest trips still needed after those accepted:\n"
           "                      0 when everybody is across, null when no way through\n"
           "                      remains\n"
           "  refused             null, or the trip refused: \"trip\" and \"line\", its\n"
           "                      numbers, \"direction\", \"travellers\", \"reason\"\n"
           "                      (\"rule_broken\", \"not_on_boat_side\",\n"
           "                      \"nobody_chosen\"), \"rule\", the number of the rule\n"
           "                      broken or null, \"concerned\", the travellers the\n"
           "                      refusal is about, and \"sentence\", why, in Japanese\n"
           "  message             the line printed without --json\n"
           "\n"
           "Progress is shown on standard error when it is a terminal and TERM is not\n"
           "\"dumb\". SIGINT (Ctrl-C), SIGTERM and SIGHUP stop the search: the best path\n"
           "found so far is printed, and standard error says that the search was\n"
           "stopped. A signal that was ignored when the program started (nohup, a\n"
           "background job) stays ignored. The output is UTF-8 in every locale.\n"
           "\n"
           "Exit status:\n"
           "  0    the search ran to its end and the result was written; with --check,\n"
           "       the trips bring everybody across\n"
           "  1    the search could not be started, or standard output could not be\n"
           "       written; with --check, a trip was refused or somebody is left\n"
           "  2    a wrong option or argument; with --check, a file that cannot be\n"
           "       opened or read, or a line that cannot be read\n"
           "  129  SIGHUP received (128 plus the signal's number)\n"
           "  130  SIGINT received\n"
           "  143  SIGTERM received\n";
}
