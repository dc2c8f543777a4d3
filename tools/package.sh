#!/usr/bin/env bash
# Makes the Debian package from a fresh clone: installs what building and
# packaging need (as tools/run.sh does, with dpkg-dev, file and emscripten
# besides), builds the web page (tools/web.sh, in build/web) and a Release
# build without the tests in build/package, which installs the page, and
# makes torvaly-puzzle_<version>-1_<arch>.deb there. Prints the package's
# path.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$top/build/package"

"$top/tools/install-deps.sh" package >&2
"$top/tools/web.sh" >&2
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVALY_BUILD_UI=ON \
  -DTORVALY_BUILD_TESTS=OFF -DTORVALY_BUILD_BENCHMARKS=OFF -DTORVALY_SANITIZE= -DTORVALY_WEB_PAGE_DIR="$top/build/web/page" >&2
cmake --build "$build" >&2
rm -f "$build"/torvaly-puzzle_*.deb
(cd "$build" && cpack -G DEB >&2)
packages=("$build"/torvaly-puzzle_*.deb)
echo "${packages[0]}"
