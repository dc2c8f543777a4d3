#!/usr/bin/env bash
# Builds the web page with Debian's emscripten, from the preset web, in
# build/web, and says where it is: build/web/page holds index.html, the style
# sheet, the page's script and torvaly-web.js, which has the WebAssembly
# inside, so the page opens from file:// with no server.
# Usage: tools/web.sh         builds the page (installs emscripten if missing)
#        tools/web.sh test    builds it and runs its tests in a headless
#                             chromium (installs chromium, chromium-driver
#                             and python3-selenium if missing)
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

case "${1:-}" in
  "") tests=OFF ;;
  test) tests=ON ;;
  *) echo "usage: $0 [test]" >&2; exit 2 ;;
esac

if [ "$tests" = ON ]; then
  "$top/tools/install-deps.sh" web-test
else
  "$top/tools/install-deps.sh" web
fi

cd "$top"
cmake --preset web -DTORVALY_BUILD_TESTS="$tests" >/dev/null
cmake --build --preset web
if [ "$tests" = ON ]; then
  ctest --preset web
fi
echo "The web page: $top/build/web/page/index.html"
