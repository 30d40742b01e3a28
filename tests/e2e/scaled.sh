#!/usr/bin/env bash
# The pixel under the pointer on scaled screens and on several monitors: a red window rests under the
# pointer on a grey desktop, and the program, scaled as the case says, takes red into its history and
# shows red in the middle of its magnifier.
#   scaled.sh tintra probe scales     inside with-xvfb.sh, on a screen of 3840x2160: Xft.dpi 144 and
#                                     192, QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS
#   scaled.sh tintra probe monitors   inside with-monitors.sh: two monitors of different scale side by
#                                     side, one left of the primary, one above it
set -u
source "$(dirname "$0")/lib.sh"
source_program=$1
probe=$2

# pick_case LABEL X Y SCALE [NAME=VALUE ...]: the pointer at (X, Y), the program's window on a monitor
# of the scale given, the program started with the environment given.
pick_case() {
  local label=$1 px=$2 py=$3 scale=$4
  shift 4
  program=$(install_program "$source_program")
  local folder probe_pid
  folder=$(dirname "$program")
  "$probe" --window FF0000 "$((px - 20)),$((py - 20)),40,40" >"$folder/probe.out" &
  probe_pid=$!
  for _ in $(seq 100); do grep -q shown "$folder/probe.out" && break; sleep 0.05; done
  xdotool mousemove "$px" "$py"
  env "$@" "$program" 2>/dev/null &
  pid=$!
  window=$(find_window 20 --pid "$pid")

  # The magnifier's view is at (117, 378) in the client area, 367 by 174, in the toolkit's pixels; its
  # own window's corner may round a pixel or two either way, so look well clear of the cross-hair. The
  # history's top row is 16 high at (125, 99). Picking starts after a second and samples a second later.
  local left top centre row seen=
  for _ in $(seq 75); do
    read -r left top < <(client_origin)
    centre=$(awk -v l="$left" -v t="$top" -v s="$scale" \
      'BEGIN {printf "%d,%d", l + (117 + 367 / 2) * s + 8, t + (378 + 174 / 2) * s + 8}')
    row=$(awk -v l="$left" -v t="$top" -v s="$scale" 'BEGIN {printf "%d,%d", l + 290 * s, t + (99 + 8) * s}')
    seen=$(read_screen points "$row" "$centre" | paste -sd ' ')
    [ "$seen" = "FF0000 FF0000" ] && break
    sleep 0.2
  done
  [ "${seen% *}" = FF0000 ] || fail "$label: the history's top row shows ${seen% *}"
  [ "${seen#* }" = FF0000 ] || fail "$label: the magnifier's middle shows ${seen#* }"

  kill -TERM "$pid"
  expect_exit_0 "$label"
  local first
  first=$(head -n 1 "$folder/colors" 2>/dev/null | tr -d '\r')
  [ "$first" = "#FF0000" ] || fail "$label: the history holds '$first', not the red under the pointer"
  kill "$probe_pid" 2>/dev/null
  wait "$probe_pid" 2>/dev/null
  rm -rf "$folder"
}

xsetroot -solid '#404040'
case "$3" in
scales)
  for dpi in 144 192; do
    echo "Xft.dpi: $dpi" | xrdb -nocpp -merge
    pick_case "Xft.dpi $dpi" 2400 1200 "$(awk -v d="$dpi" 'BEGIN {print d / 96}')"
  done
  echo "Xft.dpi: 96" | xrdb -nocpp -merge
  pick_case "QT_SCALE_FACTOR 1.25" 2400 1200 1.25 QT_SCALE_FACTOR=1.25
  pick_case "QT_SCREEN_SCALE_FACTORS 3" 3000 1500 3 QT_SCREEN_SCALE_FACTORS=3
  ;;
monitors)
  # The program's window opens on the monitor at the top left; the pointer rests on the other one.
  xrandr --output DUMMY0 --mode 1920x1080 --pos 0x0 --primary --output DUMMY1 --mode 1280x1024 --pos 1920x0
  pick_case "on a monitor of scale 2 right of the primary" 2600 500 1 "QT_SCREEN_SCALE_FACTORS=DUMMY0=1;DUMMY1=2"
  xrandr --output DUMMY1 --pos 0x0 --output DUMMY0 --pos 1280x0 --primary
  pick_case "on the primary, a monitor of scale 2 left of it" 2400 500 2 "QT_SCREEN_SCALE_FACTORS=DUMMY0=1;DUMMY1=2"
  xrandr --output DUMMY1 --pos 0x0 --output DUMMY0 --pos 0x1024 --primary
  pick_case "on the primary, a monitor of scale 1.5 above it" 960 1600 1.5 "QT_SCREEN_SCALE_FACTORS=DUMMY0=1;DUMMY1=1.5"
  ;;
esac

[ "$failures" = 0 ] && echo "PASS: the red under the pointer is picked and magnified ($3)"
exit "$failures"
