#!/usr/bin/env bash
# Builds TorvalyPuzzle (Release) and starts it. Without a display it prints the
# search's result on the terminal instead.
#
# The build has a folder of its own, build/run, without the tests and the
# benchmarks; tools/test.sh and the presets build elsewhere.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$top/build/run"

"$top/tools/install-deps.sh" run
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVALY_BUILD_UI=ON \
  -DTORVALY_BUILD_TESTS=OFF -DTORVALY_BUILD_BENCHMARKS=OFF -DTORVALY_SANITIZE= >/dev/null
cmake --build "$build"

dialog="$build/ui/torvaly-puzzle"
if [ -x "$dialog" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$dialog"
fi
if [ -x "$dialog" ]; then
  echo "No display available: printing the search's result here instead of opening the window." >&2
fi
exec "$build/solve/torvaly-solve" "$@"
