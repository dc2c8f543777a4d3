#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (address and undefined behaviour
# sanitizers) and fuzzes each for its share of a bounded time, starting from
# its checked-in corpus: the engine's public operations (tests/engine/fuzz),
# torvaly-solve --check's reader of a list of trips (tests/solve/fuzz) and
# the puzzle file reader (tests/puzzle/fuzz). Exits nonzero when the build
# fails or a fuzzer finds a crash or an invariant violation; the input that
# broke it is left in the build folder's artifacts/, named after its target,
# and can be replayed with any build's torvaly_TARGET_fuzz_replay in the
# target's folder.
#
# Usage: tools/fuzz.sh [SECONDS] [extra libFuzzer options...]
#   SECONDS            fuzzing time in all, split between the targets (at
#                      least one second each), default 60
#   TORVALY_FUZZ_BUILD build folder, default build/fuzz in the source tree
#   TORVALY_FUZZ_CXX   compiler, default clang++-14
#
# New inputs found while fuzzing go to the build folder's corpus/TARGET/, not
# to the source tree; copy the few worth keeping (small ones) into the
# target's corpus/ folder.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${TORVALY_FUZZ_BUILD:-$source_dir/build/fuzz}
compiler=${TORVALY_FUZZ_CXX:-clang++-14}
seconds=${1:-60}
shift || true

if ! [[ $seconds =~ ^[0-9]+$ ]] || ((seconds < 1)); then
    echo "fuzz.sh: the fuzzing time must be a whole number of seconds, not '$seconds'" >&2
    exit 2
fi
if ! command -v "$compiler" > /dev/null; then
    echo "fuzz.sh: $compiler not found (Debian: apt-get install clang-14 libclang-rt-14-dev)" >&2
    exit 2
fi

mkdir -p "$build_dir"
configure_log=$build_dir/fuzz-configure.log
if ! cmake -S "$source_dir" -B "$build_dir" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER="$compiler" \
    -DTORVALY_SANITIZE=address,undefined \
    -DTORVALY_BUILD_TESTS=ON \
    -DTORVALY_BUILD_FUZZ_TESTS=ON \
    -DTORVALY_BUILD_FUZZER=ON \
    -DTORVALY_BUILD_UI=OFF \
    -DTORVALY_BUILD_BENCHMARKS=OFF > "$configure_log" 2>&1; then
    cat "$configure_log" >&2
    exit 1
fi
cmake --build "$build_dir" --target torvaly_engine_fuzzer torvaly_engine_fuzz_replay \
    torvaly_check_fuzzer torvaly_check_fuzz_replay torvaly_puzzle_fuzzer torvaly_puzzle_fuzz_replay

# fuzz_target NAME FOLDER SECONDS MAX_LEN [extra options...]: the checked-in
# corpus in FOLDER must pass as it is before new inputs are looked for.
fuzz_target() {
    local name=$1 folder=$2 target_seconds=$3 max_len=$4
    shift 4
    local work_corpus=$build_dir/corpus/$name
    local artifacts=$build_dir/artifacts
    mkdir -p "$work_corpus" "$artifacts"

    local replay_log=$build_dir/fuzz-replay-$name.log
    if ! "$build_dir/$folder/torvaly_${name}_fuzz_replay" "$source_dir/$folder/corpus" > "$replay_log" 2>&1; then
        cat "$replay_log" >&2
        echo "fuzz.sh: the checked-in $name corpus fails" >&2
        exit 1
    fi

    echo "fuzz.sh: fuzzing the $name target for $target_seconds s"
    # libFuzzer writes what it finds to the first folder and only reads the second.
    "$build_dir/$folder/torvaly_${name}_fuzzer" \
        -max_total_time="$target_seconds" \
        -max_len="$max_len" \
        -timeout=10 \
        -rss_limit_mb=2048 \
        -print_final_stats=1 \
        -artifact_prefix="$artifacts/$name-" \
        "$@" \
        "$work_corpus" "$source_dir/$folder/corpus"
}

# The time is split so that the whole run takes as long as one target did.
share_seconds=$((seconds / 3 > 0 ? seconds / 3 : 1))
engine_seconds=$((seconds - 2 * share_seconds > 0 ? seconds - 2 * share_seconds : 1))
fuzz_target engine tests/engine/fuzz "$engine_seconds" 256 "$@"
# Room for a line past the reader's limit of 1024 bytes.
fuzz_target check tests/solve/fuzz "$share_seconds" 2048 "$@"
# Room for a puzzle of sixteen travellers with rules.
fuzz_target puzzle tests/puzzle/fuzz "$share_seconds" 4096 "$@"
