#!/usr/bin/env bash
# Builds TorvalyPuzzle (Release) and starts it. Without a display, or when the
# dialog cannot open the one it is given, it prints the search's result on the
# terminal instead.
#
# Standard output is the program's alone: the package installer's and the
# build's output go to standard error.
#
# The build has a folder of its own, build/run, without the tests and the
# benchmarks; tools/test.sh and the presets build elsewhere.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$top/build/run"

"$top/tools/install-deps.sh" run >&2
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTORVALY_BUILD_UI=ON \
  -DTORVALY_BUILD_TESTS=OFF -DTORVALY_BUILD_BENCHMARKS=OFF -DTORVALY_SANITIZE= >/dev/null
cmake --build "$build" >&2

dialog="$build/ui/torvaly-puzzle"
if [ -x "$dialog" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  # The dialog exits with status 1, after one line on standard error, when it
  # cannot open the display (a stale DISPLAY or WAYLAND_DISPLAY).
  status=0
  "$dialog" || status=$?
  if [ "$status" -ne 1 ]; then
    exit "$status"
  fi
  echo "The display could not be opened: printing the search's result here instead of opening the window." >&2
elif [ -x "$dialog" ]; then
  echo "No display available: printing the search's result here instead of opening the window." >&2
fi
exec "$build/solve/torvaly-solve" "$@"
