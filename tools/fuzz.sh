#!/usr/bin/env bash
# Builds the engine's libFuzzer target with clang (address and undefined
# behaviour sanitizers) and fuzzes it for a bounded time, starting from the
# checked-in corpus. Exits nonzero when the build fails or the fuzzer finds a
# crash or an invariant violation; the input that broke it is left in the
# build folder's artifacts/ and can be replayed with any build's
# tests/engine/fuzz/torvaly_engine_fuzz_replay.
#
# Usage: tools/fuzz.sh [SECONDS] [extra libFuzzer options...]
#   SECONDS            fuzzing time, default 60
#   TORVALY_FUZZ_BUILD build folder, default build/fuzz in the source tree
#   TORVALY_FUZZ_CXX   compiler, default clang++-14
#
# New inputs found while fuzzing go to the build folder's corpus/, not to the
# source tree; copy the few worth keeping (small ones) into
# tests/engine/fuzz/corpus/.
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
cmake --build "$build_dir" --target torvaly_engine_fuzzer torvaly_engine_fuzz_replay

work_corpus=$build_dir/corpus
artifacts=$build_dir/artifacts
mkdir -p "$work_corpus" "$artifacts"

# The checked-in corpus must pass as it is before new inputs are looked for.
replay_log=$build_dir/fuzz-replay.log
if ! "$build_dir/tests/engine/fuzz/torvaly_engine_fuzz_replay" "$source_dir/tests/engine/fuzz/corpus" > "$replay_log" 2>&1; then
    cat "$replay_log" >&2
    echo "fuzz.sh: the checked-in corpus fails" >&2
    exit 1
fi

echo "fuzz.sh: fuzzing for $seconds s"
# libFuzzer writes what it finds to the first folder and only reads the second.
"$build_dir/tests/engine/fuzz/torvaly_engine_fuzzer" \
    -max_total_time="$seconds" \
    -max_len=256 \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -print_final_stats=1 \
    -artifact_prefix="$artifacts/" \
    "$@" \
    "$work_corpus" "$source_dir/tests/engine/fuzz/corpus"
