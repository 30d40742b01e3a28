#!/usr/bin/env bash
# Nothing the user keeps is lost: favourites added, the program ended by the window manager, by SIGTERM
# and by the X server going away (a logout), and started again shows the same rows in the same
# colours. Run inside with-xvfb.sh --wm; it ends that X server itself.
set -u
source "$(dirname "$0")/lib.sh"
program=$(install_program "$1")
folder=$(dirname "$program")

# Waits for the first favourites rows to show the colours given (RRGGBB each); prints what they show
# when they do not. The list starts at (314, 101) in the client area.
favourites_show() {
  local left top points=() seen
  read -r left top < <(client_origin)
  for i in $(seq 0 $(($# - 1))); do points+=("$((left + 314 + 150)),$((top + 101 + 16 * i + 8))"); done
  for _ in $(seq 50); do
    seen=$(read_screen points "${points[@]}" | paste -sd ' ')
    [ "$seen" = "$*" ] && return 0
    sleep 0.2
  done
  echo "$seen"
  return 1
}

xdotool mousemove 1500 800
start_program "$program"
sleep 1
add_favourite '#FF0000'
add_favourite '#0000FF'
wmctrl -i -c "$window"
wait_for_exit
[ "$exit_code" = 0 ] || fail "closed by the window manager: exit code $exit_code"
[ "$(tr -d '\r' <"$folder/fav" | tr '\n' ' ')" = "#0000FF #FF0000 " ] || fail "fav holds: $(cat -A "$folder/fav")"
[ "$(tr -d '\r' <"$folder/favcol" | tr '\n' ' ')" = "16711680 255 " ] || fail "favcol holds: $(cat -A "$folder/favcol")"
[ "$(wc -l <"$folder/default")" = 7 ] || fail "default holds: $(cat -A "$folder/default")"

start_program "$program"
seen=$(favourites_show 0000FF FF0000) || fail "after a restart the favourites show $seen"
sleep 1
add_favourite '#00FF00'
kill -TERM "$pid"
wait_for_exit
[ "$exit_code" = 0 ] || fail "ended by SIGTERM: exit code $exit_code"

start_program "$program"
seen=$(favourites_show 00FF00 0000FF FF0000) || fail "after SIGTERM and a restart the favourites show $seen"
sleep 1
add_favourite '#FFFF00'
kill "$XVFB_PID"
wait_for_exit
[ "$exit_code" = running ] && { kill -9 "$pid"; fail "the program outlived its X server"; }
first=$(head -n 1 "$folder/favcol" | tr -d '\r')
[ "$first" = 65535 ] || fail "the favourite added before the X server went is missing (favcol starts with $first)"

rm -rf "$folder"
[ "$failures" = 0 ] && echo "PASS: favourites survive closing, SIGTERM and the end of the X session"
exit "$failures"
