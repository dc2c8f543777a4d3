#!/usr/bin/env bash
# Runs torvaly-solve under valgrind's memcheck, once without and once with
# --count-alternatives, and fails on any memory error or leak, or when a run
# does not end with the full result.
#
# Usage: tools/valgrind-solve.sh [PATH-TO-torvaly-solve]
#   default: build/release/solve/torvaly-solve in the source tree (a Release build
#   without sanitizers: valgrind cannot run sanitized programs)
#
# Leaks: definite, indirect and possible ones all count as errors. The worker
# threads are joined before the program ends, so nothing of theirs (stacks,
# thread-local blocks) is left allocated and no "possible" leak is expected;
# a still-reachable block is reported but is not an error.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tool=${1:-$source_dir/build/release/solve/torvaly-solve}

if [[ $tool == -h || $tool == --help ]]; then
    sed -n '2,13p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//'
    exit 0
fi
if [[ ! -x $tool ]]; then
    echo "valgrind-solve.sh: no executable torvaly-solve at $tool (build it first)" >&2
    exit 2
fi
if ! command -v valgrind > /dev/null; then
    echo "valgrind-solve.sh: valgrind not found (Debian: apt-get install valgrind)" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
run() {
    local name=$1
    shift
    local log=$work/$name.valgrind.log
    local out=$work/$name.out
    local start end status=0
    start=$(date +%s)
    valgrind --tool=memcheck --error-exitcode=1 \
        --leak-check=full --errors-for-leak-kinds=definite,indirect,possible \
        --show-leak-kinds=definite,indirect,possible,reachable \
        --log-file="$log" \
        "$tool" "$@" > "$out" < /dev/null || status=$?
    end=$(date +%s)

    local problems=()
    ((status == 0)) || problems+=("exit status $status")
    grep -q 'ERROR SUMMARY: 0 errors' "$log" || problems+=("memcheck reported errors")
    # The search must have run to its end: all twelve across in 11.5 round trips.
    grep -qx '到着人数 12' "$out" || problems+=("the report does not show all twelve arrived")
    grep -qx '往復回数 11.5' "$out" || problems+=("the report does not show 11.5 round trips")

    if ((${#problems[@]} == 0)); then
        echo "valgrind-solve.sh: $name: clean ($((end - start)) s)"
    else
        failed=1
        echo "valgrind-solve.sh: $name: FAILED ($((end - start)) s): ${problems[*]}" >&2
        echo "--- memcheck log" >&2
        cat "$log" >&2
        echo "--- output (last lines)" >&2
        tail -n 8 "$out" >&2
    fi
}

run plain
run alternatives --count-alternatives
exit "$failed"
