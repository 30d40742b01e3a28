# Shared by the scripts that run the program on the headless wlroots desktop; sourced, not run.

# The background of every output, or of one: background COLOUR [OUTPUT].
background() { swaymsg -q "output ${2:-*} bg $1 solid_color"; }
# Moves the pointer to a point of the desktop's layout; the compositor counts from the layout's top-left
# corner, which is left of or above 0,0 when a monitor is.
point() {
  [ -n "${layout_left:-}" ] || read -r layout_left layout_top < <(swaymsg -t get_tree | python3 -c '
import json, sys; r = json.load(sys.stdin)["rect"]; print(r["x"], r["y"])')
  swaymsg -q "seat - cursor set $(($1 - layout_left)) $(($2 - layout_top))"
}
click() {
  swaymsg -q "seat - cursor press button1"
  swaymsg -q "seat - cursor release button1"
}
# The colour of one screen pixel, "RRGGBB", as the desktop's own screenshot tool reads it.
pixel() {
  grim -g "$1,$2 1x1" -t ppm - | python3 -c 'import sys; print(sys.stdin.buffer.read().split(b"\n", 3)[3][:3].hex().upper())'
}
# Sets left and top to the program window's place on the desktop.
find_window() {
  read -r left top < <(swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("pid") == int(sys.argv[1]):
        print(node["rect"]["x"], node["rect"]["y"])
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' "$pid")
}
# A point of the magnifier's view, near its top-left corner, away from its cross.
magnifier_pixel() { pixel $((left + 125)) $((top + 385)); }
# The middle of the history's top row: the list starts at (125, 99) in the client area.
history_pixel() { pixel $((left + 290)) $((top + 107)); }
desktop_shows() { [ "$(pixel "$1" "$2")" = "$3" ]; }
magnifier_shows() { [ "$(magnifier_pixel)" = "$1" ]; }
history_shows() { [ "$(history_pixel)" = "$1" ]; }
clipboard_holds() { [ "$(wl-paste -n 2>/dev/null)" = "$1" ]; }
not() { ! "$@"; }
# Waits up to 10 s for a check, given as a command and its arguments, to hold.
wait_until() {
  local deadline=$((SECONDS + 10))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}
start_wayland_program() {
  "$program" &
  pid=$!
  for _ in $(seq 100); do
    find_window
    [ -n "${left:-}" ] && break
    sleep 0.1
  done
  [ -n "${left:-}" ] || { echo "FAIL: no window within 10 s"; kill "$pid"; exit 1; }
  sleep 1.5 # the first tick has passed
}
# Presses the start button and moves the pointer on to X, Y at once, so that no sample falls on the
# button: in one message, which the compositor carries out before the program hears of the click.
press_pick_button() {
  point $((left + 60)) $((top + 163))
  swaymsg -q "seat - cursor press button1; seat - cursor release button1;" \
    "seat - cursor set $(($1 - layout_left)) $(($2 - layout_top))"
  sleep 0.5
}

