#!/bin/bash
# The program on a GNOME desktop, as a person uses it there: at the first start the desktop asks
# whether the program may see the screen and the person shares the monitor; from then on the
# once-a-second sample takes the pixel under the pointer from the shared screen, whether the program
# shows its window natively or through the desktop's X server. The desktop's key to the share is kept,
# so the next start and the command line's pick ask nothing. Runs inside with-gnome.sh.
#   gnome.sh PROGRAM PATTERN_PROGRAM
set -u
here=$(dirname "$0")
. "$here/lib.sh"
. "$here/gnome-lib.sh"
program=$(install_program "$1")
folder=$(dirname "$program")
pattern_program=$2
pid=
pattern=
second_folder=

finish() {
  for p in $pid $pattern; do
    kill "$p" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$p" 2>/dev/null
  done
  rm -rf "$folder" ${second_folder:+"$second_folder"}
}
trap finish EXIT

# The picture over the whole monitor, GnomePattern.cpp's: at (x, y) red x % 256, green y % 256, blue
# 255 - 48 * (x / 256) - 16 * (y / 256).
native_points=(0,0=0000FF 1279,0=FF003F 0,719=00CFDF 1279,719=FFCF1F 640,360=80688F 300,500=2CF4BF
               1000,100=E8646F)
x11_points=(1279,719=FFCF1F 0,0=0000FF 256,256=0000BF 0,719=00CFDF 100,600=6458DF 1279,0=FF003F
            1000,600=E8584F)
# Points of the desktop's dialog, which it places in the middle of the monitor, clear of the program's
# window; where the picture shows there, no dialog does.
dialog_points=(700,460=BCCC8F 880,480=70E05F 620,480=6CE08F)
# Where the dialog has the monitor to choose and its button to share.
monitor_row=(640 385)
share_button=(852 232)

# The picture, native and newest, so above every window there is; waits until it shows at the points.
show_pattern() {
  if [ -n "$pattern" ]; then
    kill "$pattern"
    wait "$pattern" 2>/dev/null
  fi
  QT_QPA_PLATFORM=wayland "$pattern_program" 7>&- 8<&- >/dev/null &
  pattern=$!
  if ! wait_for_screen 10 "${native_points[@]}" "${x11_points[@]}"; then
    echo "FAIL: the picture does not show: $(shot_says "${native_points[@]}" "${x11_points[@]}")"
    exit 1
  fi
}

# Whether the last picture shows the dialog: one flat colour where the picture would have three.
dialog_in_shot() {
  local a b c
  a=$(shot_pixel 700 460) b=$(shot_pixel 880 480) c=$(shot_pixel 620 480)
  [ "$a" = "$b" ] && [ "$b" = "$c" ] && ! shot_shows "${dialog_points[0]}"
}
wait_for_dialog() {
  local deadline=$((SECONDS + $1))
  while [ "$SECONDS" -lt "$deadline" ]; do
    take_shot && dialog_in_shot && return 0
    sleep 0.2
  done
  return 1
}
# Shares the monitor through the dialog, as a person does; fails unless the dialog then goes.
answer_dialog() {
  point "${monitor_row[@]}"
  click
  point "${share_button[@]}"
  click
  wait_for_screen 10 "${dialog_points[@]}" || fail "the desktop's dialog stayed after the monitor was shared"
}
# Fails when the dialog shows within SECONDS, answering it so that what follows is not held up.
expect_no_dialog() {
  local deadline=$((SECONDS + $1))
  while [ "$SECONDS" -lt "$deadline" ]; do
    if take_shot && dialog_in_shot; then
      fail "$2"
      answer_dialog
      return
    fi
    sleep 0.2
  done
}

# Rests the pointer on each point long enough for a sample.
visit() {
  local each xy
  for each in "$@"; do
    xy=${each%=*}
    point "${xy%,*}" "${xy#*,}"
    sleep 1.5
  done
}
# The colours of the points, newest first, as the history lists them.
expected_rows() {
  local i rows=()
  for ((i = $# ; i >= 1; i--)); do rows+=("#${!i#*=}"); done
  echo "${rows[*]}"
}
# The newest rows of the history file.
newest_rows() { tr -d '\r' <"$folder/colors" 2>/dev/null | head -n "$1" | paste -sd ' '; }

start() {
  QT_QPA_PLATFORM=$1 "$program" 7>&- 8<&- >>"$folder/output" 2>&1 &
  pid=$!
}
stop() {
  kill "$pid"
  expect_exit_0 "$1"
  pid=
}

# The program's window could stay above the picture through the X server; the setting keeps it with the
# others.
printf '[default]\r\nAlwaysOnTop=0\r\n' >"$folder/default"
point 1000 600
show_pattern

# The first start: the desktop asks, and the person shares the monitor.
start wayland
if wait_for_dialog 20; then
  answer_dialog
else
  fail "the desktop did not ask to share the screen"
fi
show_pattern
visit "${native_points[@]}"
stop "the program on the desktop's own display"
rows=$(newest_rows ${#native_points[@]})
[ "$rows" = "$(expected_rows "${native_points[@]}")" ] ||
  fail "on the desktop's own display the history holds $rows; the picture has $(expected_rows "${native_points[@]}")"
token=$(sed -n 's/^ScreenShareToken=//p' "$folder/default" | tr -d '\r')
if [ -z "$token" ]; then
  fail "no key to the share was kept"
else
  stored_share "$token" | grep -q MetaVirtualMonitor || fail "the kept key $token is none the desktop knows"
fi

# Through the X server, with the key: no question, and the same screen.
start xcb
[ -n "$(find_window 20 --pid "$pid")" ] ||
  fail "the program showed no window through the X server"
expect_no_dialog 5 "the desktop asked again, with the key kept"
show_pattern
visit "${x11_points[@]}"
stop "the program through the X server"
rows=$(newest_rows ${#x11_points[@]})
[ "$rows" = "$(expected_rows "${x11_points[@]}")" ] ||
  fail "through the X server the history holds $rows; the picture has $(expected_rows "${x11_points[@]}")"

# The command line's pick, with no window: what it prints, and its status, in picked and status.
pick() {
  local picking
  QT_QPA_PLATFORM=wayland "$@" 7>&- 8<&- >"$folder/picked" 2>>"$folder/output" &
  picking=$!
  local asked=0 deadline=$((SECONDS + 20))
  while kill -0 "$picking" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
    if [ "$asked" = 0 ] && take_shot && dialog_in_shot; then
      asked=1
      fail "--pick asked to share the screen, with the key kept"
      answer_dialog
    fi
    sleep 0.1
  done
  kill "$picking" 2>/dev/null
  wait "$picking"
  status=$?
  picked=$(cat "$folder/picked")
}

# The command line's pick takes the kept key and prints the pixel under the pointer.
point 300 500
pick "$program" --pick --format RGB
[ "$status" = 0 ] && [ "$picked" = "44,244,191" ] ||
  fail "--pick at 300,500 printed \"$picked\" with status $status; the picture has 44,244,191"

# A share remembered by the desktop and its key in the settings file of a program that never asked.
second=$(install_program "$1")
second_folder=$(dirname "$second")
token=$(cat /proc/sys/kernel/random/uuid)
seed_share "$token" || fail "the permission store took no share"
printf '[default]\r\nScreenShareToken=%s\r\n' "$token" >"$second_folder/default"
point 0 719
pick "$second" --pick
[ "$status" = 0 ] && [ "$picked" = "#00CFDF" ] ||
  fail "--pick with a remembered share at 0,719 printed \"$picked\" with status $status; the picture has #00CFDF"

if [ "$failures" = 0 ]; then
  echo "PASS"
else
  echo "--- what the program said"
  cat "$folder/output"
  exit 1
fi
