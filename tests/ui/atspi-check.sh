#!/bin/sh
# Runs atspi-check.py against torvaly-puzzle on a private X server and
# session bus, with the toolkit's accessibility bridge always on:
#   atspi-check.sh <torvaly-puzzle>
# Exits 77 (skipped) only when one of the tools is not installed.
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"
for tool in Xvfb dbus-run-session; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
# The system's Python, which Debian's python3-pyatspi belongs to.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
"$python" -c "import pyatspi" 2>/dev/null || { echo "skipped: python3-pyatspi is not installed"; exit 77; }
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "skipped: at-spi2-core is not installed"; exit 77; }

work="$(mktemp -d)"
# -noreset: by default the server resets when its last client leaves, and
# drops the clients that connect meanwhile; the accessibility bus launcher
# comes and goes before the program connects.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }

env -u WAYLAND_DISPLAY DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb \
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0 XDG_RUNTIME_DIR="$work" \
  dbus-run-session -- "$python" "$here/atspi-check.py" "$program"
