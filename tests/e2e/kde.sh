#!/bin/bash
# The program on a KDE Plasma desktop, which lets it at the screen through the screen-cast portal:
# the desktop asks at the start; a no is taken, and nothing asked again until the button is pressed;
# a yes gives the pointer's position live, and a key that the next start hands back to skip the
# question. The headless KWin's cast carries the pointer but no picture, so no colour is ever taken
# here. What the program and the portal say to each other is read on the bus; the hint line is
# compared in KWin's own copies of the screen. Runs inside with-kde.sh.
#   kde.sh PROGRAM
set -u
here=$(dirname "$0")
. "$here/lib.sh"
. "$here/kde-lib.sh"
program=$(install_program "$1")
folder=$(dirname "$program")
export QT_QPA_PLATFORM=wayland
pid=

finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  stop_portal_watch
  rm -rf "$folder"
}
trap finish EXIT

start_kde_program() {
  "$program" 2>>"$folder/stderr" &
  pid=$!
  wait_until 200 eval 'find_window; [ -n "$left" ]' || { echo "FAIL: no window within 20 s"; exit 1; }
}
# The pointer's two resting places, away from the program's window and the portal's dialog.
away_x=150 away_y=200 other_x=1100 other_y=500
# Whether the hint line follows the pointer, as the position line does: it changes as the pointer
# moves, and comes back with it. The desktop tells where the pointer is when it moves.
hint_follows_pointer() {
  local first
  point "$other_x" "$other_y"
  point "$away_x" "$away_y"
  first=$(settled_hint_line)
  point "$other_x" "$other_y"
  wait_until 50 eval '[ "$(hint_line)" != "$first" ]' || return 1
  point "$away_x" "$away_y"
  wait_until 50 eval '[ "$(hint_line)" = "$first" ]'
}
# Stops the program as the session's end does, and checks it saved.
stop_program() {
  kill "$pid"
  expect_exit_0 "$1"
  pid=
}

start_portal_watch

# The first start asks the desktop, whose dialog waits for the user.
start_kde_program
wait_until 100 eval '[ "$(starts)" = pending ]' || fail "the program's Start was not put to the portal: $(starts)"
dialog=$(wait_until 100 eval '[ -n "$(portal_dialog)" ]' && portal_dialog)
[ -n "$dialog" ] || { fail "no dialog of the portal came up"; exit 1; }
asking=$(settled_hint_line)

# Esc cancels the dialog: the program hears no, shares nothing and asks nothing more by itself.
wait_until 50 eval '[ "$(portal_dialog | cut -d" " -f5)" = true ]' || fail "the dialog did not take the keyboard"
key 1
wait_until 50 eval '[ -z "$(portal_dialog)" ]' || fail "Esc did not close the dialog"
wait_until 50 eval '[ "$(starts)" = 1 ]' || fail "the Start was not answered with the user's no: $(starts)"
refused=$(settled_hint_line)
[ "$refused" != "$asking" ] || fail "the hint line did not change with the no"
hint_follows_pointer && fail "after the no the hint line follows the pointer"
[ "$(program_nodes)" = 0 ] || fail "after the no the program has a PipeWire stream"
[ "$(starts | wc -l)" = 1 ] || fail "the program asked again by itself: $(starts)"
[ -z "$(portal_dialog)" ] || fail "a dialog came up again by itself"

# The button starts again; the dialog's screen and Share answer yes.
closed_before=$(closes)
point_and_click $((left + 60)) $((top + 163))
point "$away_x" "$away_y"
wait_until 100 eval '[ "$(starts | sed -n 2p)" = pending ]' || fail "the button did not start again: $(starts)"
dialog=$(wait_until 100 eval '[ -n "$(portal_dialog)" ]' && portal_dialog)
[ -n "$dialog" ] || { fail "no dialog of the portal came up for the second start"; exit 1; }
read -r dialog_left dialog_top _ <<<"$dialog"
# The second card is the screen itself (the first would make a new virtual screen); then Share.
point_and_click $((dialog_left + 373)) $((dialog_top + 209))
point_and_click $((dialog_left + 373)) $((dialog_top + 482))
point "$away_x" "$away_y"
wait_until 50 eval '[ "$(starts | sed -n 2p)" != pending ]'
read -r code token stream _ <<<"$(starts | sed -n 2p)"
[ "${code:-}" = 0 ] || { fail "the dialog's Share did not answer yes: $(starts | sed -n 2p)"; exit 1; }
[ "${token:--}" != - ] || fail "the portal gave no key to keep the share"
node=${stream%%:*}
# KDE names each stream's size and no place: the one screen is the desktop's top-left.
[ "${stream#*:}" = "1280x720@-" ] || fail "the stream is not the whole screen: $stream"

# The program takes the stream, and with it the pointer's position.
wait_until 50 eval '[ "$(links_into_program "$node")" = active ]' ||
  fail "the program's stream is not linked to the portal's node $node: $(links_into_program "$node")"
hint_follows_pointer || fail "the hint line does not follow the pointer: no position line"
[ "$(closes)" = "$closed_before" ] || fail "the program closed the share by itself"

stop_program "the end after the yes"
grep -q "^ScreenShareToken=$token"$'\r'"\?$" "$folder/default" ||
  fail "the share's key was not kept: $(grep -a ScreenShareToken "$folder/default")"
# No picture came, so no colour was read: none is recorded.
[ ! -s "$folder/colors" ] || fail "colours were recorded without a picture: $(tr -d '\r' <"$folder/colors" | paste -sd ' ')"

# The next start hands the key back: the share comes with no dialog and no input.
start_kde_program
wait_until 100 eval '[ -n "$(starts)" ] && [ "$(starts)" != pending ]' ||
  fail "with the key the Start waited: $(starts)$([ -n "$(portal_dialog)" ] && echo ", a dialog is up")"
[ "$(asked SelectSources restore_token)" = "$token" ] ||
  fail "the program did not hand back the key: $(asked SelectSources restore_token)"
read -r code token stream _ <<<"$(starts)"
[ "${code:-}" = 0 ] || { fail "with the key the Start was answered $(starts)"; exit 1; }
[ -z "$(portal_dialog)" ] || fail "with the key a dialog came up"
node=${stream%%:*}
wait_until 50 eval '[ "$(links_into_program "$node")" = active ]' ||
  fail "with the key the program's stream is not linked to the portal's node $node"
hint_follows_pointer || fail "with the key the hint line does not follow the pointer"
[ "$(closes)" = 0 ] || fail "with the key the program closed the share by itself"
stop_program "the end after the kept share"
grep -q "^ScreenShareToken=$token"$'\r'"\?$" "$folder/default" ||
  fail "the key given with the kept share was not kept: $(grep -a ScreenShareToken "$folder/default")"

[ -s "$folder/stderr" ] && { echo "The program's standard error:"; cat "$folder/stderr"; }
[ "$failures" = 0 ] && echo "PASS" || exit 1
