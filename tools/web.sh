#!/usr/bin/env bash
# Builds the web page with Debian's emscripten, from the preset web, in
# build/web, and says where it is: build/web/page holds index.html, the style
# sheet, the page's scripts and torvaly-web.js, which has the WebAssembly
# inside, so the page opens from file:// with no server.
# Usage: tools/web.sh         builds the page (installs emscripten if missing)
#        tools/web.sh test    builds it and runs its tests in a headless
#                             chromium (installs chromium, chromium-driver
#                             and python3-selenium if missing); the page's
#                             answers are compared with those of a native
#                             torvaly-solve, built for them in build/web-solve
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

case "${1:-}" in
  "") tests=OFF ;;
  test) tests=ON ;;
  *) echo "usage: $0 [test]" >&2; exit 2 ;;
esac

cd "$top"
web_options=(-DTORVALY_BUILD_TESTS="$tests")
if [ "$tests" = ON ]; then
  "$top/tools/install-deps.sh" web-test
  # emscripten cannot build the native torvaly-solve; a build of it alone,
  # without the window toolkit, the tests or the benchmarks.
  cmake -S "$top" -B build/web-solve -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVALY_BUILD_UI=OFF \
    -DTORVALY_BUILD_TESTS=OFF -DTORVALY_BUILD_BENCHMARKS=OFF -DTORVALY_BUILD_FUZZ_TESTS=OFF -DTORVALY_SANITIZE= >/dev/null
  cmake --build build/web-solve --target torvaly-solve
  web_options+=(-DTORVALY_NATIVE_SOLVE="$top/build/web-solve/solve/torvaly-solve")
else
  "$top/tools/install-deps.sh" web
fi

cmake --preset web "${web_options[@]}" >/dev/null
cmake --build --preset web
if [ "$tests" = ON ]; then
  ctest --preset web
fi
echo "The web page: $top/build/web/page/index.html"
