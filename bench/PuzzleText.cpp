// Writes the text of a puzzle of the benchmarks on standard output, so that
// it can be timed elsewhere as SolveLarge times it here: bench/web.sh solves
// it in the web page's WebAssembly.
//   torvaly_bench_puzzle_text TRAVELLERS SEATS

#include "TestPuzzles.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: torvaly_bench_puzzle_text TRAVELLERS SEATS\n", stderr);
        return 2;
    }
    const std::string text = RulesOfEveryKindPuzzleText(std::atoi(argv[1]), std::atoi(argv[2]));
    return std::fputs(text.c_str(), stdout) >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
}
