#!/usr/bin/env bash
# Compares torvaly-solve of the working tree with that of an older revision:
# builds both side by side in a temporary folder, checks that they print the
# same results, then times both as whole processes, alternately, in both modes,
# and prints each one's median and the ratio.
#
#   bench/compare.sh [REVISION] [RUNS]
#
# REVISION defaults to 4c0a70d, the straightforward search before the work on
# its speed; RUNS (runs of each program in each mode) defaults to 21. The
# environment variable KEEP=1 keeps the temporary folder, JOBS sets the build's
# parallelism. Needs git, cmake, ninja and bash 5 (for $EPOCHREALTIME).
set -euo pipefail

revision=${1:-4c0a70d}
runs=${2:-21}
if ! [[ $runs =~ ^[1-9][0-9]*$ ]]; then
    echo "compare.sh: RUNS must be a positive number, not '$runs'" >&2
    exit 2
fi

repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse --verify --quiet "$revision^{commit}") || {
    echo "compare.sh: unknown revision '$revision'" >&2
    exit 2
}

work=$(mktemp -d "${TMPDIR:-/tmp}/torvaly-compare.XXXXXX")
cleanup() {
    if [[ ${KEEP:-0} == 1 ]]; then
        echo "kept $work"
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

jobs_option=()
if [[ -n ${JOBS:-} ]]; then
    jobs_option=(-j "$JOBS")
fi

build() { # source folder, build folder
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DTORVALY_BUILD_UI=OFF -DTORVALY_BUILD_TESTS=OFF -DTORVALY_BUILD_BENCHMARKS=OFF >"$2.log" 2>&1 &&
        ninja -C "$2" "${jobs_option[@]}" torvaly-solve >>"$2.log" 2>&1 || {
        echo "compare.sh: building $1 failed; see below" >&2
        tail -n 30 "$2.log" >&2
        exit 1
    }
}

echo "Building $revision (${commit:0:12}) and the working tree in $work ..."
mkdir -p "$work/old-src"
git -C "$repo" archive --format=tar "$commit" | tar -x -C "$work/old-src"
build "$work/old-src" "$work/old-build"
build "$repo" "$work/new-build"
# torvaly-solve has its own folder now; older revisions built it under tools/.
solve_binary() { # build folder
    local candidate
    for candidate in "$1/solve/torvaly-solve" "$1/tools/torvaly-solve"; do
        if [[ -x $candidate ]]; then
            echo "$candidate"
            return
        fi
    done
    echo "compare.sh: no torvaly-solve built in $1" >&2
    exit 1
}
old=$(solve_binary "$work/old-build")
new=$(solve_binary "$work/new-build")

modes=("" "--count-alternatives")
mode_name() { if [[ -z $1 ]]; then echo "plain"; else echo "$1"; fi; }

# The same table and figures, but for the elapsed time.
status=0
for mode in "${modes[@]}"; do
    "$old" $mode 2>/dev/null | grep -v '^経過時間' >"$work/old.out"
    "$new" $mode 2>/dev/null | grep -v '^経過時間' >"$work/new.out"
    if cmp -s "$work/old.out" "$work/new.out"; then
        echo "$(mode_name "$mode"): same output ($(grep '^試行回数' "$work/new.out"), $(grep '^別解個数' "$work/new.out"))"
    else
        echo "$(mode_name "$mode"): OUTPUT DIFFERS" >&2
        diff "$work/old.out" "$work/new.out" >&2 || true
        status=1
    fi
done
if [[ $status != 0 ]]; then
    exit 1
fi

# Wall-clock milliseconds of one whole run of a program.
time_run() { # program, mode
    local start end
    start=$EPOCHREALTIME
    "$1" $2 >/dev/null 2>&1
    end=$EPOCHREALTIME
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", (e - s) * 1000 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else printf "%.3f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "Timing $runs runs of each, alternately; load before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-22s %14s %14s %9s\n' "mode" "old ms" "new ms" "old/new"
for mode in "${modes[@]}"; do
    : >"$work/old.times"
    : >"$work/new.times"
    for ((run = 0; run < runs; ++run)); do
        # Alternate which one goes first, so that neither always follows the other.
        if ((run % 2 == 0)); then
            time_run "$old" "$mode" >>"$work/old.times"
            time_run "$new" "$mode" >>"$work/new.times"
        else
            time_run "$new" "$mode" >>"$work/new.times"
            time_run "$old" "$mode" >>"$work/old.times"
        fi
    done
    old_median=$(median <"$work/old.times")
    new_median=$(median <"$work/new.times")
    ratio=$(awk -v o="$old_median" -v n="$new_median" 'BEGIN { printf "%.1fx", o / n }')
    printf '%-22s %14s %14s %9s\n' "$(mode_name "$mode")" "$old_median" "$new_median" "$ratio"
done
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
