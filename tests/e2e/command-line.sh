#!/usr/bin/env bash
# The command line: help, version and mistakes with no display at all; --pick on a real X server, in
# every format, with the root window painted a known colour, also while the window of another copy is
# up. Run inside with-xvfb.sh --wm.
set -u
source "$(dirname "$0")/lib.sh"
program=$(install_program "$1")

# Runs the program with no display; sets out, err and status.
without_display() {
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE "$program" "$@" 2>"$work/err")
  status=$?
  err=$(cat "$work/err")
}
work=$(mktemp -d)

without_display --help
[ "$status" = 0 ] || fail "--help: status $status ($err)"
[[ $out == "Usage: tintra [options]"* && $out == *--pick* && $out == *"--format <NAME>"* ]] || fail "--help: $out"
without_display --version
[ "$status" = 0 ] && [ "$out" = "tintra 1.6" ] || fail "--version: status $status, '$out' ($err)"
while IFS='|' read -r arguments told; do
  # shellcheck disable=SC2086
  without_display $arguments
  [ "$status" = 2 ] || fail "$arguments: status $status"
  [ -z "$out" ] || fail "$arguments: wrote '$out'"
  [[ $err == *"$told"* && $err == *"Try 'tintra --help'."* ]] || fail "$arguments: told '$err'"
done <<'CASES'
--bogus|Unknown option 'bogus'
--pick --format cmyk|no format is called 'cmyk'
--format hex|--format and --no-prefix go with --pick
--pick extra|unexpected argument 'extra'
CASES

# No display to reach: said in one line, status 1, for the window and for --pick.
for arguments in "" "--pick"; do
  # shellcheck disable=SC2086
  err=$(env -u WAYLAND_DISPLAY DISPLAY=:77 "$program" $arguments 2>&1 >/dev/null)
  status=$?
  [ "$status" = 1 ] && [ "$err" = "tintra: no display available (cannot open display ':77')" ] ||
    fail "'tintra $arguments' with no display reachable: status $status, told '$err'"
done
# What cannot be written is a failure.
for arguments in "--pick" "--version"; do
  # shellcheck disable=SC2086
  "$program" $arguments >/dev/full 2>/dev/null
  status=$?
  [ "$status" = 1 ] || fail "'tintra $arguments >/dev/full' ended with status $status"
done

xsetroot -solid '#123456'
xdotool mousemove 1910 1070
pick_cases() {
  while IFS='|' read -r arguments expected; do
    # shellcheck disable=SC2086
    out=$("$program" --pick $arguments 2>"$work/err")
    status=$?
    [ "$status" = 0 ] || fail "--pick $arguments: status $status ($(cat "$work/err"))"
    [ "$out" = "$expected" ] || fail "--pick $arguments: '$out', not '$expected'"
  done <<'CASES'
|#123456
--no-prefix|123456
--format rgb|18,52,86
--format Delphi|$00563412
--format delphi --no-prefix|00563412
--format hsl|148,167,52
--format HEX|0x123456
--format hex --no-prefix|123456
--format hsv|210.00,79.07,33.73
CASES
}
pick_cases

# A copy with its window up keeps the data folder; picking from the command line needs none.
start_program "$program"
xdotool mousemove 1910 1070
pick_cases
kill -0 "$pid" 2>/dev/null || fail "the window's copy ended when another picked"
kill -TERM "$pid"
expect_exit_0 "the window's copy"

rm -rf "$work" "$(dirname "$program")"
[ "$failures" = 0 ] && echo "PASS: command line"
[ "$failures" = 0 ]
