#!/usr/bin/env bash
# The clipboard as another program sees it: after a click on a history row it holds the row's colour
# text; after choosing the sample paste type it holds a 51x25 picture of that colour.
# Run inside with-xvfb.sh --wm.
set -u
source "$(dirname "$0")/lib.sh"
program=$(install_program "$1")
probe=$2

xsetroot -solid '#C8DCF0'
xdotool mousemove 1500 800
start_program "$program"
# Picking starts after a second and samples the desktop a second later.
wait_for_current C8DCF0 || fail "the program did not pick the desktop's colour"

# The top history row, in window coordinates.
xdotool mousemove --window "$window" 185 107 click 1
wait_for_clipboard "#C8DCF0" || fail "after a click on the history row the clipboard holds '$text'"

# The second line of the paste-type list: the sample picture.
xdotool mousemove --window "$window" 51 140 click 1
for _ in $(seq 50); do
  xclip -o -selection clipboard -t TARGETS 2>/dev/null | grep -qx image/png && break
  sleep 0.2
done
picture=$(mktemp --suffix=.png)
xclip -o -selection clipboard -t image/png >"$picture" 2>/dev/null
described=$("$probe" --image "$picture" 2>/dev/null)
rm -f "$picture"
[ "$described" = "51x25 C8DCF0 uniform" ] || fail "the clipboard's picture is '$described'"

kill "$pid"
expect_exit_0 "ended by SIGTERM"
rm -rf "$(dirname "$program")"
[ "$failures" = 0 ] && echo "PASS: the clipboard holds the row's text, then its sample picture"
exit "$failures"
