#!/usr/bin/env bash
# Builds TorvalyPuzzle (Release) and starts it. Without a display it prints the
# search's result on the terminal instead.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$top/build/release"

"$top/tools/install-deps.sh" run
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTORVALY_BUILD_TESTS=OFF -DTORVALY_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build"

dialog="$build/ui/torvaly-puzzle"
if [ -x "$dialog" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$dialog"
fi
if [ -x "$dialog" ]; then
  echo "No display available: printing the search's result here instead of opening the window." >&2
fi
exec "$build/solve/torvaly-solve" "$@"
