#!/usr/bin/env bash
# Builds everything and runs every test: a Release build with the benchmarks;
# the web page, built with emscripten and tested in a headless chromium
# against the Release build's torvaly-solve; an AddressSanitizer +
# UndefinedBehaviorSanitizer build and a ThreadSanitizer build of the engine
# (the window toolkit is not built for it), each from its preset in
# CMakePresets.json with warnings as errors. After the web page, it makes the
# Debian package from the Release build, which installs the page, and checks
# it with lintian and its list of files; then it builds the fuzz targets (the
# engine's, the --check reader's and the puzzle file reader's) with clang and
# fuzzes them for a minute between them, and runs torvaly-solve of the
# Release build under valgrind.
#
# Each preset sets every option it needs, so a build folder that another
# command configured differently (tools/run.sh, a hand-made configure) is set
# right again; a build whose ctest finds no test fails.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
builds="$top/build"

"$top/tools/install-deps.sh" test

# Window tests need no X server.
export QT_QPA_PLATFORM=offscreen

cd "$top"
passed=0
run_build() {
  local preset="$1"
  local log="$builds/$preset/ctest.log"
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" --no-tests=error | tee "$log"
  local count
  count=$(sed -n 's/^100% tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "$log")
  if [ -z "$count" ] || [ "$count" -eq 0 ]; then
    echo "test.sh: the $preset build ran no tests" >&2
    exit 1
  fi
  passed=$((passed + count))
}

run_build release
run_build web
echo "== the Debian package"
"$top/tools/check-package.sh" "$builds/release"
run_build asan
run_build tsan
echo "== fuzzing the engine, the --check reader and the puzzle file reader"
"$top/tools/fuzz.sh" "${TORVALY_FUZZ_SECONDS:-60}"
echo "== valgrind memcheck of torvaly-solve"
"$top/tools/valgrind-solve.sh" "$builds/release/solve/torvaly-solve"
echo "== all tests passed"
echo "tests: $passed passed, 0 failed"
