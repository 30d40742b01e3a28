#!/usr/bin/env bash
# The other windows on a real desktop: the help window opens maximised and on top, showing the help
# carried inside the program when the site cannot be reached; the about window shows its card; a swatch
# clicked in the random colour window lands on the clipboard. Run inside with-xvfb.sh --wm.
set -u
source "$(dirname "$0")/lib.sh"
program=$(install_program "$1")

xdotool mousemove 1500 800
start_program "$program"
sleep 1.5

# The further-functions menu, and its n-th item by keyboard.
menu_item() {
  xdotool mousemove --window "$window" 60 $((12 + 60 + 162 + 13)) click 1
  sleep 0.5
  xdotool key --delay 80 $(for _ in $(seq "$1"); do printf 'Down '; done) Return
  sleep 1
}

# Polls rather than waits in one search: a search fails as a whole when a window it walks past goes
# away meanwhile, as the browser engine's do while it starts.
wait_for_window() {
  local found
  for _ in $(seq 150); do
    found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$found" ] && break
    sleep 0.2
  done
  echo "$found"
}

# Help: the button of the column at top 190.
xdotool mousemove --window "$window" 60 $((12 + 60 + 190 + 13)) click 1
help=$(wait_for_window '关于 Tintra')
if [ -z "$help" ]; then
  fail "no help window"
else
  for _ in $(seq 50); do
    state=$(xprop -id "$help" _NET_WM_STATE)
    [[ $state == *MAXIMIZED_HORZ* ]] && break
    sleep 0.1
  done
  [[ $state == *MAXIMIZED_HORZ* && $state == *ABOVE* ]] || fail "the help window is not maximised on top: $state"
  # The help carried inside: its title is written in blue (#3478C8) at the top of the page.
  found=0
  for _ in $(seq 40); do
    found=$(read_screen count 3478C8 0,0,800,200)
    [ "${found:-0}" -gt 50 ] && break
    sleep 0.5
  done
  [ "${found:-0}" -gt 50 ] || fail "the help window shows no help page ($found blue pixels)"
  wmctrl -i -c "$help"
  sleep 0.5
fi

# About: the last item of the menu.
menu_item 6
about=$(wait_for_window '关于 Tintra')
if [ -z "$about" ]; then
  fail "no about window"
else
  size=$(xwininfo -id "$about" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
  [ "$size" = 380x247 ] || fail "the about window is $size"
  wmctrl -i -c "$about"
  sleep 0.5
fi

# Random colours: the fifth item; it opens centred every time; a click on the eleventh swatch.
client_corner() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}'; }
menu_item 5
random=$(wait_for_window '随机颜色')
if [ -n "$random" ]; then
  first=$(client_corner "$random")
  wmctrl -i -c "$random"
  sleep 0.5
  menu_item 5
  random=$(wait_for_window '随机颜色')
fi
if [ -z "$random" ]; then
  fail "no random colour window"
else
  read -r rx ry < <(client_corner "$random")
  [ "$first" = "$rx $ry" ] || fail "the random colour window opened at $first, then at $rx $ry"
  [ "$rx" = $(((1920 - 729) / 2)) ] || fail "the random colour window is not centred across ($rx)"
  swatch=$(read_screen points "$((rx + 8 + 11 * 10 + 5)),$((ry + 48 + 25))")
  xdotool mousemove $((rx + 8 + 11 * 10 + 5)) $((ry + 48 + 25))
  sleep 0.3
  xdotool click 1
  sleep 0.8
  text=$(xclip -o -selection clipboard 2>/dev/null)
  [ "$text" = "#$swatch" ] || fail "the clipboard holds '$text' after a click on the swatch #$swatch"
  [ -z "$(xdotool search --onlyvisible --name '随机颜色' 2>/dev/null)" ] || fail "the random colour window stays open"
fi

wmctrl -i -c "$window"
expect_exit_0 "closed by the window manager"
rm -rf "$(dirname "$program")"
[ "$failures" = 0 ] && echo "PASS: help, about and random colour windows"
exit "$failures"
