#!/usr/bin/env bash
# Builds everything and runs every test: a Release build with warnings as
# errors, an AddressSanitizer + UndefinedBehaviorSanitizer build, and a
# ThreadSanitizer build of the engine (the window toolkit is not built for it);
# then fuzzes the engine for a minute and runs torvaly-solve under valgrind.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
builds="$top/build"

"$top/tools/install-deps.sh" test

# Window tests need no X server.
export QT_QPA_PLATFORM=offscreen

passed=0
run_build() {
  local name="$1"; shift
  echo "== $name build"
  cmake -S "$top" -B "$builds/$name" -G Ninja -DTORVALY_WARNINGS_AS_ERRORS=ON "$@" >/dev/null
  cmake --build "$builds/$name"
  ctest --test-dir "$builds/$name" --output-on-failure --timeout 600 | tee "$builds/$name/ctest.log"
  local count
  count=$(sed -n 's/^100% tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "$builds/$name/ctest.log")
  passed=$((passed + ${count:-0}))
}

run_build release -DCMAKE_BUILD_TYPE=Release
run_build asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVALY_SANITIZE=address,undefined \
  -DTORVALY_BUILD_BENCHMARKS=OFF
run_build tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTORVALY_SANITIZE=thread \
  -DTORVALY_BUILD_UI=OFF -DTORVALY_BUILD_BENCHMARKS=OFF
echo "== fuzzing the engine"
"$top/tools/fuzz.sh" "${TORVALY_FUZZ_SECONDS:-60}"
echo "== valgrind memcheck of torvaly-solve"
"$top/tools/valgrind-solve.sh" "$builds/release/solve/torvaly-solve"
echo "== all tests passed"
echo "tests: $passed passed, 0 failed"
