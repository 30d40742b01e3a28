#!/usr/bin/env bash
# The program, started as a user starts it, maps its main window on the desktop and shows the
# current-colour field's initial text. Run inside with-xvfb.sh --wm.
set -u
program=$1
"$program" &
pid=$!

fail() {
  echo "FAIL: $*"
  kill "$pid" 2>/dev/null
  exit 1
}

window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" 2>/dev/null | head -n 1)
[ -n "$window" ] || fail "no window was mapped within 20 s"
name=$(xdotool getwindowname "$window")
[ "$name" = "Tintra" ] || fail "window title is '$name'"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 498 ] && [ "$HEIGHT" = 600 ] || fail "window is ${WIDTH}x${HEIGHT}, not 498x600"
kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"

kill -TERM "$pid"
wait "$pid" 2>/dev/null
echo "PASS: window '$name' ${WIDTH}x${HEIGHT}"
