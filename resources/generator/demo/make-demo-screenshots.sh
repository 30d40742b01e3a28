#!/usr/bin/env bash
# Takes the two screenshots of the usage examples window, DEMO1.JPG and DEMO2.JPG, from the program
# itself on a private X server (tests/e2e/with-xvfb.sh, with openbox):
#   DEMO1.JPG  paste type "剪贴颜色数值": the colour's text pasted into a plain-text editor, whose
#              right-click menu is open on 粘贴
#   DEMO2.JPG  paste type "剪贴颜色样图": the 51x25 colour sample pasted onto a paint program's canvas
# Each is 919x703, baseline JFIF. The editor and the paint program are demo_paste_targets, built from
# this folder into a temporary one.
#
#   make-demo-screenshots.sh <program binary> <output folder>
#
# Needs cmake, Qt 6 Widgets, Xvfb, openbox, xdotool, xclip, xsetroot, xwininfo, xprop, wmctrl and
# ImageMagick. Nothing is written to the output folder unless every check along the way passes.
set -u

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
source "$root/tests/e2e/lib.sh" # placement

colour='#C8DCF0'         # the desktop colour the program picks up
desktop='#4A6D8C'        # the desktop behind the windows once the colour is picked
area=919x703             # the screenshot, from the screen's corner
helper_place=530,10      # the paste target's outer corner, right of the main window
helper_size=380x600      # its client area, as tall as the main window's

die() {
  echo "make-demo-screenshots: $*" >&2
  exit 1
}

# The processes started on the X server, ended by id when the script stops, however it stops.
started=()
folders=()
end_started() {
  local each
  for each in "${started[@]}"; do
    kill "$each" 2>/dev/null
  done
  for each in "${started[@]}"; do
    wait "$each" 2>/dev/null
  done
  started=()
}

# ---------------------------------------------------------------- on the private X server

# Waits up to 20 s for a visible window of the process; prints its id.
window_of() {
  timeout 20 xdotool search --sync --onlyvisible --pid "$1" 2>/dev/null | head -n 1
}

# The client area of a window on the screen: "widthxheight+x+y".
client_area() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h "+" x "+" y}'
}

# shoot <text|picture> <paste-type row y> <output file>
shoot() {
  local mode=$1 row_y=$2 output=$3
  local folder pid window helper_pid helper_window said
  folder=$(mktemp -d)
  folders+=("$folder")
  cp "$program" "$folder/tintra"

  # Pick the desktop's colour: the pointer rests on the desktop until the program has sampled it.
  xsetroot -solid "$colour"
  xdotool mousemove 1500 800
  "$folder/tintra" &
  pid=$!
  started+=("$pid")
  window=$(window_of "$pid")
  [ -n "$window" ] || die "the program showed no window"
  [ "$(placement "$window")" = "20,10,498,600" ] || die "the main window is at $(placement "$window")"
  sleep 3
  # The top history row: picking stops and the colour goes to the clipboard; then the paste type.
  xdotool mousemove --window "$window" 185 107 click 1
  sleep 0.5
  xdotool mousemove --window "$window" 51 "$row_y" click 1
  sleep 0.5

  if [ "$mode" = text ]; then
    local held
    held=$(xclip -o -selection clipboard 2>/dev/null)
    [ "$held" = "$colour" ] || die "the clipboard holds '$held', not the text $colour"
  else
    local size
    size=$(xclip -o -selection clipboard -t image/png 2>/dev/null | identify -format '%wx%h' - 2>/dev/null)
    [ "$size" = 51x25 ] || die "the clipboard holds no 51x25 picture (got '$size')"
  fi
  xsetroot -solid "$desktop"

  "$helper" "$mode" >"$folder/said" 2>"$folder/complaints" &
  helper_pid=$!
  started+=("$helper_pid")
  helper_window=$(window_of "$helper_pid")
  [ -n "$helper_window" ] || die "the $mode window did not show"
  for _ in $(seq 100); do
    [ -s "$folder/said" ] && break
    sleep 0.1
  done
  said=$(head -n 1 "$folder/said")
  case $mode in
    text) [ "$said" = "text: $colour" ] || die "the editor pasted '$said' $(cat "$folder/complaints")" ;;
    picture) [ "$said" = "picture: 51x25" ] || die "the paint program pasted '$said' $(cat "$folder/complaints")" ;;
  esac

  wmctrl -i -r "$helper_window" -e "1,${helper_place%,*},${helper_place#*,},${helper_size%x*},${helper_size#*x}"
  sleep 0.5
  local wanted="$helper_place,${helper_size%x*},${helper_size#*x}"
  [ "$(placement "$helper_window")" = "$wanted" ] ||
    die "the $mode window is at $(placement "$helper_window"), not $wanted"

  if [ "$mode" = text ]; then
    # Right-click just after the pasted text: the menu opens with 粘贴 lit.
    xdotool mousemove --window "$helper_window" 150 64 click 3
  else
    xdotool mousemove --window "$helper_window" 300 560
  fi
  sleep 1

  import -window root -crop "$area+0+0" +repage "$folder/shot.png" || die "the screenshot failed"
  [ "$(identify -format '%wx%h' "$folder/shot.png")" = "$area" ] || die "the screenshot is not $area"
  if [ "$mode" = picture ]; then
    # The sample must be on the canvas whole and unscaled: exactly 51x25 pixels of the colour.
    local count
    count=$(convert "$folder/shot.png" -crop "$(client_area "$helper_window")" +repage txt:- |
      grep -ci "#${colour#\#} ")
    [ "$count" = $((51 * 25)) ] || die "the paint program's canvas shows $count pixels of the colour, not 1275"
  fi

  end_started
  convert "$folder/shot.png" -strip -interlace none -quality 90 "$output" || die "could not write $output"
}

if [ "${1:-}" = "--on-display" ]; then
  program=$2 helper=$3 output=$4
  work=$(mktemp -d)
  trap 'end_started; rm -rf "$work" "${folders[@]}"' EXIT
  shoot text 127 "$work/DEMO1.JPG"
  shoot picture 140 "$work/DEMO2.JPG"
  for name in DEMO1.JPG DEMO2.JPG; do
    file "$work/$name" | grep -q "JPEG image data, JFIF standard.*baseline.*$area" ||
      die "$name is not a baseline JFIF picture of $area: $(file -b "$work/$name")"
  done
  mv "$work/DEMO1.JPG" "$work/DEMO2.JPG" "$output/"
  echo "wrote $output/DEMO1.JPG and $output/DEMO2.JPG"
  exit 0
fi

# ---------------------------------------------------------------- from the command line

[ $# = 2 ] || {
  echo "usage: $0 <program binary> <output folder>" >&2
  exit 2
}
[ -x "$1" ] || die "no program at $1"
[ -d "$2" ] || die "no folder $2"
program=$(realpath "$1")
output=$(realpath "$2")

build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >"$build/cmake.log" 2>&1 &&
  cmake --build "$build" -j2 >>"$build/cmake.log" 2>&1 || {
  cat "$build/cmake.log" >&2
  die "the paste targets did not build"
}

"$root/tests/e2e/with-xvfb.sh" --wm "$here/make-demo-screenshots.sh" --on-display \
  "$program" "$build/demo_paste_targets" "$output"
