# Shared by the end-to-end scripts; sourced, not run.
# The program runs from a folder of its own, as an installed copy does, so that the settings and list
# files it keeps beside itself belong to this test alone.

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# Copies the program, with the browser module beside it, into a new folder and prints the copy's path.
install_program() {
  local folder
  folder=$(mktemp -d)
  cp "$1" "$folder/tintra"
  [ -f "$(dirname "$1")/tintra_webengine.so" ] && cp "$(dirname "$1")/tintra_webengine.so" "$folder/"
  [ -f "$(dirname "$1")/tintra_fetch" ] && cp "$(dirname "$1")/tintra_fetch" "$folder/"
  echo "$folder/tintra"
}

# Prints the first showing window that xdotool's search finds, asking again until SECONDS have passed;
# prints nothing if none came. A single waiting search is not enough: xdotool ends at the first window
# that vanishes while it looks at it, as a starting program's short-lived windows do.
#   find_window SECONDS SEARCH-ARGUMENTS...
find_window() {
  local deadline=$((SECONDS + $1)) found
  shift
  while [ "$SECONDS" -lt "$deadline" ]; do
    found=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1)
    [ -n "$found" ] && echo "$found" && return
    sleep 0.1
  done
}

# Starts the program and waits for its window; sets pid and window.
start_program() {
  "$1" &
  pid=$!
  window=$(find_window 20 --pid "$pid")
  if [ -z "$window" ]; then
    echo "FAIL: no window was mapped within 20 s"
    kill "$pid" 2>/dev/null
    exit 1
  fi
}

# Waits up to 5 s for the program to end; sets exit_code to its exit code, or to "running".
wait_for_exit() {
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  if kill -0 "$pid" 2>/dev/null; then
    exit_code=running
    return
  fi
  wait "$pid"
  exit_code=$?
}

# The screen position of the window's client area: "x y".
client_origin() {
  xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} END {print x, y}'
}

# Where a window's outer corner (its frame's) is on the screen, and its client area's size:
# "x,y,width,height". The frame's extents come from the window manager.
placement() {
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/ //g')
  xwininfo -id "$1" | awk -v e="$extents" '
    BEGIN {split(e, f, ",")}
    /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Width:/ {w=$2} /Height:/ {h=$2}
    END {print x - f[1] "," y - f[3] "," w "," h}'
}

# Waits for the program to end and fails unless it ended with status 0.
expect_exit_0() {
  wait_for_exit
  [ "$exit_code" = 0 ] || fail "$1: exit code $exit_code"
  [ "$exit_code" = running ] && kill "$pid"
}

# Clicks a button of the column (left 2, 102 by 26) given its top in the column.
click_column_button() {
  xdotool mousemove --window "$window" 60 $((12 + 60 + $1 + 13)) click 1
  sleep 0.5
}

# Reads the screen as the X server holds it, apart from the program's own way of reading it: xwd's
# dump of the root window, in whatever pixel format the server has.
#   read_screen points X,Y ...          RRGGBB for each point, a line each
#   read_screen count RRGGBB X,Y,W,H    how many pixels of the rectangle have that colour
read_screen() {
  xwd -root -silent | python3 -c '
import struct, sys
dump = sys.stdin.buffer.read()
header = struct.unpack(">25I", dump[:100])
size, width, height, order, bits, line = header[0], header[4], header[5], header[7], header[11], header[12]
masks, colours = header[14:17], header[19]
start = size + 12 * colours
def colour(x, y):
    if not (0 <= x < width and 0 <= y < height):
        return "outside"
    at = start + y * line + x * bits // 8
    value = int.from_bytes(dump[at:at + bits // 8], "little" if order == 0 else "big")
    channels = []
    for mask in masks:
        shift = (mask & -mask).bit_length() - 1
        channels.append(((value & mask) >> shift) * 255 // (mask >> shift))
    return "%02X%02X%02X" % tuple(channels)
if sys.argv[1] == "points":
    for point in sys.argv[2:]:
        print(colour(*map(int, point.split(","))))
else:
    x, y, w, h = map(int, sys.argv[3].split(","))
    print(sum(colour(i, j) == sys.argv[2] for j in range(y, y + h) for i in range(x, x + w)))
' "$@"
}

# Waits up to 10 s for the screen point X,Y to show the colour RRGGBB.
wait_for_colour() {
  local deadline=$((SECONDS + 10))
  until [ "$(read_screen points "$1")" = "$2" ]; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}

# Waits up to 10 s for the clipboard to hold TEXT; sets text to what it holds.
wait_for_clipboard() {
  for _ in $(seq 50); do
    text=$(xclip -o -selection clipboard 2>/dev/null)
    [ "$text" = "$1" ] && return 0
    sleep 0.2
  done
  return 1
}

# Waits for the value field to show a colour ("RRGGBB").
wait_for_current() {
  local left top
  read -r left top < <(client_origin)
  # Right of the text in the value field, which starts at (217, 316) in the client area.
  wait_for_colour "$((left + 417)),$((top + 326))" "$1"
}

# Adds the colour under the resting pointer to the favourites, once the program has picked it.
add_favourite() {
  xsetroot -solid "$1"
  wait_for_current "${1#\#}" || fail "the program did not pick $1"
  xdotool mousemove --window "$window" 60 $((12 + 60 + 133 + 13)) click 1
  local left top
  read -r left top < <(client_origin)
  # The favourites list starts at (314, 101) in the client area; its top row shows the colour added,
  # between the row's text and where a scroll bar comes.
  wait_for_colour "$((left + 314 + 100)),$((top + 101 + 8))" "${1#\#}" || fail "$1 was not added to the favourites"
  xdotool mousemove 1500 800
}
