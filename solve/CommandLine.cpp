#include "CommandLine.h"

#include "TripListReader.h"
#include "engine/CrossingPath.h"
#include "platform/ArgumentEcho.h"
#include "platform/VersionText.h"
#include "res/ProgramVersion.h"

#include <string_view>
#include <vector>

namespace {

// The value of option name: the next argument, whatever it looks like, or
// the text after "=". The error, or "".
std::string TakeValue(int argc, const char* const* argv, int& i, std::string_view name, std::string_view what,
                      bool& given, std::string& value)
{
    const std::string_view argument = argv[i];
    const bool attached = argument != name;
    const std::string option = "option '" + std::string(name) + "'";
    if (given)
        return option + " given twice (see --help)";
    given = true;
    if (!attached && i + 1 == argc)
        return option + " needs " + std::string(what) + " (see --help)";
    value = attached ? std::string(argument.substr(name.size() + 1)) : std::string(argv[++i]);
    return "";
}

// Options that do not go together: each kind of run takes only its own.
std::string ConflictOf(const CSolveOptions& options)
{
    struct COption {
        const char* m_name;
        bool m_given;
    };
    // The first option of each run is the one that chooses it.
    const std::vector<COption> search = {{"--count-alternatives", options.m_countAlternatives},
                                         {"--trips", options.m_trips}};
    const auto refuse = [](const char* chosen, const std::vector<COption>& others) -> std::string {
        for (const COption& other : others) {
            if (other.m_given)
                return "option '" + std::string(chosen) + "' cannot be combined with '" + other.m_name +
                       "' (see --help)";
        }
        return "";
    };
    if (options.m_listPuzzles)
        return refuse("--list-puzzles", {{"--puzzle", !options.m_puzzle.empty()},
                                         {"--check", options.m_check},
                                         {"--print-puzzle", options.m_printPuzzle},
                                         {"--count-alternatives", options.m_countAlternatives},
                                         {"--trips", options.m_trips}});
    if (options.m_printPuzzle)
        return refuse("--print-puzzle", {{"--check", options.m_check},
                                         {"--json", options.m_json},
                                         {"--count-alternatives", options.m_countAlternatives},
                                         {"--trips", options.m_trips}});
    // A check runs no search: the search's options would be ignored.
    if (options.m_check)
        return refuse("--check", search);
    // A puzzle is solved exactly, not searched, and always shown as trips.
    if (!options.m_puzzle.empty())
        return refuse("--puzzle", {{"--count-alternatives", options.m_countAlternatives}});
    return "";
}

} // namespace

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
            options.m_error = TakeValue(argc, argv, i, "--check", "a file, or - for standard input", options.m_check,
                                        options.m_checkFile);
        } else if (argument == "--puzzle" || argument.starts_with("--puzzle=")) {
            bool given = !options.m_puzzle.empty();
            options.m_error =
                TakeValue(argc, argv, i, "--puzzle", "a puzzle file or a puzzle's name", given, options.m_puzzle);
            if (options.m_error.empty() && options.m_puzzle.empty())
                options.m_error = "option '--puzzle' needs a puzzle file or a puzzle's name (see --help)";
        } else if (argument == "--print-puzzle")
            options.m_printPuzzle = true;
        else if (argument == "--list-puzzles")
            options.m_listPuzzles = true;
        else if (argument == "--help" || argument == "-h")
            options.m_showHelp = true;
        else if (argument == "--version")
            options.m_showVersion = true;
        else
            options.m_error = "unknown option '" + EchoedArgument(argument) + "' (see --help)";
    }
    if (options.m_error.empty())
        options.m_error = ConflictOf(options);
    return options;
}

std::string VersionText()
{
    return VersionLine(
        SOLVE_PROGRAM_NAME, "TorvalyPuzzle",
        DottedVersion(TORVALY_VERSION_MAJOR, TORVALY_VERSION_MINOR, TORVALY_VERSION_PATCH, TORVALY_VERSION_TWEAK));
}

std::string UsageText()
{
    std::string usage;
    for (const char* synopsis :
         {"[OPTION]...", "[--puzzle FILE|NAME] --check FILE [--json]", "--puzzle FILE|NAME [--json]",
          "[--puzzle FILE|NAME] --print-puzzle", "--list-puzzles [--json]"}) {
        usage.append(usage.empty() ? "Usage: " : "  or:  ").append(SOLVE_PROGRAM_NAME).append(" ");
        usage.append(synopsis).append("\n");
    }
    return usage +
           "Solve the Torvaly crossing puzzle and print the shortest sequence of trips,\n"
           "or check a sequence of trips; or solve any crossing puzzle of its kind,\n"
           "stated in a puzzle file.\n"
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
           "  --puzzle FILE|NAME    solve the puzzle in a puzzle file, or the one of\n"
           "                        that name (see --list-puzzles), exactly, instead\n"
           "                        of searching; see \"Puzzles\" below. With --check,\n"
           "                        check trips of that puzzle. Not with\n"
           "                        --count-alternatives\n"
           "  --print-puzzle        write the puzzle (the built-in one without\n"
           "                        --puzzle) as a puzzle file, to start a new one\n"
           "  --list-puzzles        list the puzzles that have names: name, title,\n"
           "                        travellers and fewest trips (or least time)\n"
           "  -h, --help            display this help and exit\n"
           "      --version         output version information and exit\n"
           "\n"
           "Figures, by their labels in the report:\n"
           "  経過時間 (elapsed time)\n"
           "                      how long the search ran, hours:minutes:seconds\n"
           "  試行回数 (trials)\n"
           "                      the candidates the search rejected: unsafe\n"
           "                      arrangements, paths that could not beat the best or\n"
           "                      made no progress, and steps beyond the limit of " +
           std::to_string(PATH_CAPACITY - 1) +
           "\n"
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
           "  The trips are replayed from the start, everybody and the boat on the\n"
           "  start bank, and each is judged by the puzzle's rules: the built-in\n"
           "  puzzle's, the search's own, unless --puzzle names another. FILE holds one\n"
           "  trip per line: the travellers' names, as many as the boat seats at most,\n"
           "  spelt as the puzzle spells them, separated by spaces, tabs or ideographic\n"
           "  spaces (U+3000). A line may start with the trip's number, which must then\n"
           "  be that trip's, and its direction, 行き or 帰り, which must then be that\n"
           "  trip's (the odd trips go, the even ones come back), so the output of\n"
           "  --trips and of --puzzle reads back as it is. Blank lines, and lines whose\n"
           "  first word starts with # or is a report's label (a figure's, 最短,\n"
           "  最短の渡り方, 最速 or 最速の渡り方), are skipped. Lines are UTF-8, at most " +
           std::to_string(CTripListReader::LINE_LIMIT) +
           " bytes long\n"
           "  without their line end, and may end in CR LF; a byte-order mark at the\n"
           "  start is skipped. The trips are read in order, and nothing is read past\n"
           "  the first trip refused or the first line that cannot be read.\n"
           "  The result is one line on standard output: everybody across, with the\n"
           "  number of trips and the shortest (with times, also the time they took\n"
           "  and the fastest); the trip refused, its line and why, with the rule's\n"
           "  number when it breaks one, or what it weighs or the time it reaches; or\n"
           "  how many trips remain at best (with times, the least time still needed,\n"
           "  and whether it fits in the time limit). A line that cannot be read (an unknown name, more names than "
           "the\n"
           "  boat seats, a name twice, a wrong number or direction, not UTF-8, too\n"
           "  long) is named on standard error, and nothing is written on standard\n"
           "  output; a name that differs from a traveller's only in its letters' case\n"
           "  is refused too, and the message says whom it meant.\n"
           "\n"
           "JSON fields with --check:\n"
           "  across              true when every trip was accepted and everybody is\n"
           "                      across\n"
           "  accepted            the number of trips accepted\n"
           "  shortest            the fewest trips that bring everybody across: 23 for\n"
           "                      the built-in puzzle; null when no trips can\n"
           "  remaining           the fewest trips still needed after those accepted:\n"
           "                      0 when everybody is across, null when no way through\n"
           "                      remains; with times, the trips of the first fastest\n"
           "                      way\n"
           "  time, fastest, remaining_time\n"
           "                      only for a puzzle with times: the time the trips\n"
           "                      accepted take, the least time from the start, and the\n"
           "                      least time still needed (null when there is none);\n"
           "                      shortest is then null\n"
           "  refused             null, or the trip refused: \"trip\", its number,\n"
           "                      \"direction\", \"travellers\", \"line\", its line,\n"
           "                      \"reason\" (\"rule_broken\", \"not_on_boat_side\",\n"
           "                      \"nobody_chosen\", \"too_many_chosen\", \"too_heavy\"\n"
           "                      with \"weight\" and \"load\", \"over_time\" with \"time\"\n"
           "                      and \"time_limit\"), \"rule\", the number of the rule\n"
           "                      broken or null, \"on_arrival\", whether the rule\n"
           "                      breaks only once the boat lands, \"concerned\", the\n"
           "                      travellers the refusal is about, and \"sentence\",\n"
           "                      why, in Japanese\n"
           "  message             the line printed without --json\n"
           "\n"
           "Puzzles (--puzzle, --print-puzzle, --list-puzzles):\n"
           "  A puzzle file states a crossing puzzle of this kind in TOML: its\n"
           "  travellers and who of them rows, how many the boat seats, its rules, and\n"
           "  whether the arrangement after each landing is judged too; and where it\n"
           "  has them, the travellers' weights and the boat's load, their crossing\n"
           "  times and a time limit, and their types (see \"PUZZLE\n"
           "  FILES\" in the manual page, or start from --print-puzzle). FILE|NAME is a\n"
           "  name when it has only letters, digits and dashes: \"torvaly\", the\n"
           "  built-in puzzle, or one of the puzzles shipped with the program; anything\n"
           "  else is a file's path. The exact solver looks at every arrangement and\n"
           "  prints the first shortest plan as --trips prints trips, then the fewest\n"
           "  trips (\"最短 7 回\") and the number of shortest plans (\"最短の渡り方 2\n"
           "  通り\"), where a plan is a sequence of trips and a trip is who crosses,\n"
           "  also counted by type where types are declared; a puzzle with times is\n"
           "  answered by the least total time instead (\"最速 17 分（5 回）\" and\n"
           "  \"最速の渡り方 2 通り\"). Or it says that there is no way across, and how\n"
           "  many can stand on the far bank at most. A puzzle file that cannot be used is\n"
           "  named in one line on standard error, FILE:LINE:COLUMN: what is wrong.\n"
           "\n"
           "JSON fields with --puzzle:\n"
           "  puzzle              \"title\", \"banks\", \"travellers\" and \"rowers\" (names),\n"
           "                      \"seats\" and \"landings\"; where the file gives them,\n"
           "                      \"load\", \"time_limit\", \"time_unit\", and \"weights\",\n"
           "                      \"times\", \"types\" and \"looks\" by traveller's name\n"
           "  solvable            whether there is a way across\n"
           "  shortest            the fewest trips, or null\n"
           "  shortest_plans      the number of shortest plans, or null when there is\n"
           "                      no way across or the number does not fit in 64 bits\n"
           "  shortest_plans_overflow\n"
           "                      true when the number does not fit in 64 bits\n"
           "  shortest_plans_by_type\n"
           "                      the same number with travellers of one type alike\n"
           "  fastest, fastest_plans, fastest_plans_by_type, fastest_plans_overflow\n"
           "                      for a puzzle with times, instead of\n"
           "                      shortest_plans_by_type: the least total time and the\n"
           "                      plans that take it (shortest and shortest_plans are\n"
           "                      then null, and shortest_plans_overflow false)\n"
           "  most_across         the most travellers that can stand on the far bank\n"
           "                      at once: all of them when there is a way across\n"
           "  trips               the first best plan, as the trips above\n"
           "With --list-puzzles, an array of objects: \"name\", \"title\",\n"
           "\"travellers\" (how many) and \"shortest\", and \"fastest\" for a puzzle\n"
           "with times.\n"
           "\n"
           "Progress is shown on standard error when it is a terminal and TERM is not\n"
           "\"dumb\". SIGINT (Ctrl-C), SIGTERM and SIGHUP stop the search: the best path\n"
           "found so far is printed, and standard error says that the search was\n"
           "stopped. A signal that was ignored when the program started (nohup, a\n"
           "background job) stays ignored. The output is UTF-8 in every locale.\n"
           "\n"
           "Exit status:\n"
           "  0    the search ran to its end and the result was written; with --check,\n"
           "       the trips bring everybody across; with --puzzle, it was solved\n"
           "  1    the search could not be started, or standard output could not be\n"
           "       written; with --check, a trip was refused or somebody is left; with\n"
           "       --puzzle, there is no way across\n"
           "  2    a wrong option or argument; with --check, a file that cannot be\n"
           "       opened or read, or a line that cannot be read; a puzzle that cannot\n"
           "       be used\n"
           "  129  SIGHUP received (128 plus the signal's number)\n"
           "  130  SIGINT received\n"
           "  143  SIGTERM received\n";
}
