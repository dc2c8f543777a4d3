#!/usr/bin/env bash
# Measures the web page against its goals: how long it takes to be ready
# once opened from file:// in a headless chromium (goal: 1 s), how much its
# files weigh together (goal: under 2 MB), and how long the page's
# WebAssembly, under node, takes to read and solve SolveLarge's puzzle of
# sixteen travellers and a boat of two, against the native solver's
# torvaly_puzzle_bench (goal: within 3 times).
#
#   bench/web.sh [RUNS]
#
# Builds the page (tools/web.sh, in build/web) and the two native benchmark
# programs it needs (in the release preset's folder). RUNS (default 7) is
# the number of page openings; the solver runs 11 times on each side.
# Timings depend on the machine and on what else runs on it.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs=${1:-7}
page="$top/build/web/page"
bench="$top/build/release/bench"

"$top/tools/install-deps.sh" web-test
"$top/tools/web.sh" >/dev/null
(cd "$top" && cmake --preset release >/dev/null &&
    cmake --build --preset release --target torvaly_puzzle_bench torvaly_bench_puzzle_text >/dev/null)

echo "== the page's files"
(cd "$page" && stat -c '%s %n' * |
    awk '{ total += $1; printf "%9d  %s\n", $1, $2 } END { printf "%9d  in all (%.2f MB)\n", total, total / 1e6 }')

echo "== opened from file://, until ready"
# Debian's python3-selenium serves the system's python3, which a python3
# earlier on the PATH may not see.
python=python3
"$python" -c "import selenium" 2>/dev/null || python=/usr/bin/python3
TORVALY_WEB_PAGE="$page" TORVALY_SHIPPED_PUZZLES="$top/puzzle/shipped" TORVALY_CHROMIUM="$(command -v chromium)" TORVALY_CHROMEDRIVER="$(command -v chromedriver)" \
    PYTHONDONTWRITEBYTECODE=1 "$python" "$top/bench/web_page.py" "$runs"

echo "== sixteen travellers, a boat of two: read and solved"
puzzle=$(mktemp --suffix=.crossing.toml)
trap 'rm -f "$puzzle"' EXIT
"$bench/torvaly_bench_puzzle_text" 16 2 > "$puzzle"
printf 'WebAssembly, node %s: ' "$(node --version)"
node "$top/bench/web_solve.js" "$page" "$puzzle" 11
printf 'native: '
"$bench/torvaly_puzzle_bench" --benchmark_filter='SolveLarge/travellers:16/seats:2$' --benchmark_repetitions=11 \
    --benchmark_report_aggregates_only=true --benchmark_format=json 2>/dev/null |
    "$python" -c 'import json, sys
median = next(run for run in json.load(sys.stdin)["benchmarks"] if run.get("aggregate_name") == "median")
print("%.1f %s (median of 11, real time)" % (median["real_time"], median["time_unit"]))'
