#!/bin/sh
# torvaly-puzzle's command line, and what it does without a display:
#   command-line.sh <torvaly-puzzle>
# --help and --version answer on standard output with status 0 (or, when it
# cannot be written, one line on standard error and status 1), an unknown
# option gets one line on standard error and status 2, and no display status 1,
# never an abort: with none at all one line that says so; with a stale X or
# Wayland one the toolkit's reason may come first, but that line is last.
program="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

# expect <what> <status> <stdout pattern, or "" for none> <stderr lines, or "min-max"> [env and arguments...]
expect() {
  what="$1" status="$2" pattern="$3" lines="$4"
  shift 4
  min="${lines%-*}" max="${lines#*-}"
  env "$@" >"$work/out" 2>"$work/err" </dev/null
  got=$?
  err_lines=$(wc -l <"$work/err")
  if [ -z "$pattern" ]; then out_ok=$([ -s "$work/out" ] && echo no || echo yes)
  else out_ok=$(grep -q -- "$pattern" "$work/out" && echo yes || echo no); fi
  if [ "$got" -ne "$status" ] || [ "$out_ok" != yes ] || [ "$err_lines" -lt "$min" ] || [ "$err_lines" -gt "$max" ]; then
    echo "FAIL $what: status $got (want $status), stderr $err_lines lines (want $lines)"
    sed 's/^/  out: /' "$work/out"
    sed 's/^/  err: /' "$work/err"
    failures=$((failures + 1))
  else
    echo "ok   $what"
  fi
}

no_display="-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM"
# shellcheck disable=SC2086
{
  expect "--version" 0 "^torvaly-puzzle [0-9]*\.[0-9]*\.[0-9]*\.[0-9]*$" 0 $no_display "$program" --version
  expect "--help" 0 "^Usage: torvaly-puzzle" 0 $no_display "$program" --help
  expect "unknown option" 2 "" 1 $no_display "$program" --bogus
  expect "stray argument" 2 "" 1 $no_display "$program" -style fusion extra
  expect "--help names --play" 0 "^  --play FILE|NAME" 0 $no_display "$program" --help
  expect "--play without a puzzle" 2 "" 1 $no_display "$program" --play
}

# A puzzle that cannot be used is said in one line, before any window, and
# ends the program with status 2.
printf 'seats = 9\n' >"$work/broken.crossing.toml"
# expect_reason <what> <reason pattern> <puzzle>
expect_reason() {
  # shellcheck disable=SC2086
  expect "$1" 2 "" 1 $no_display "$program" --play "$3"
  grep -q "^torvaly-puzzle: $2" "$work/err" ||
    { echo "FAIL $1: the line does not say why"; sed 's/^/  err: /' "$work/err"; failures=$((failures + 1)); }
}
expect_reason "--play an unusable file" "$work/broken.crossing.toml:1:9: 'seats' must be" "$work/broken.crossing.toml"
expect_reason "--play a missing file" "$work/none.crossing.toml: cannot open" "$work/none.crossing.toml"
expect_reason "--play a name that is no puzzle's" "wolves: no puzzle of that name" wolves

# says_why <what>: the last line on standard error is the program's own.
says_why() {
  tail -n 1 "$work/err" | grep -q "^torvaly-puzzle: cannot open a window: no usable display" ||
    { echo "FAIL $1: the last line does not say why"; failures=$((failures + 1)); }
}
# shellcheck disable=SC2086
{
  expect "no display" 1 "" 1 $no_display "$program"
  says_why "no display"
  expect "stale DISPLAY" 1 "" 1-2 $no_display DISPLAY=:1999 "$program"
  says_why "stale DISPLAY"
  expect "stale WAYLAND_DISPLAY" 1 "" 1-2 $no_display WAYLAND_DISPLAY=torvaly-no-such-socket \
    XDG_SESSION_TYPE=wayland XDG_RUNTIME_DIR="$work" "$program"
  says_why "stale WAYLAND_DISPLAY"
}

# A bad argument is echoed with its escape sequences made harmless.
escape="$(printf '\033')"
# shellcheck disable=SC2086
expect "unknown option with an escape sequence" 2 "" 1 $no_display "$program" "--${escape}[2Jx"
if ! grep -q "unknown option '--\\\\x1b\[2Jx'" "$work/err" || grep -q "$escape" "$work/err"; then
  echo "FAIL the escape sequence reached the terminal"
  sed 's/^/  err: /' "$work/err"
  failures=$((failures + 1))
fi

# An answer that cannot be written is not given: status 1 and one line.
for option in --help --version; do
  # shellcheck disable=SC2086
  env $no_display "$program" "$option" >/dev/full 2>"$work/err" </dev/null
  got=$?
  if [ "$got" -ne 1 ] || [ "$(wc -l <"$work/err")" -ne 1 ] ||
    ! grep -q "^torvaly-puzzle: error writing standard output: No space left on device$" "$work/err"; then
    echo "FAIL $option >/dev/full: status $got (want 1)"
    sed 's/^/  err: /' "$work/err"
    failures=$((failures + 1))
  else
    echo "ok   $option >/dev/full"
  fi
done
[ "$failures" -eq 0 ]
