#!/usr/bin/env bash
# What the user keeps survives faults: a second copy of the program, a FIFO or a folder where a list
# file should be, a file-size limit that stops the save between the favourites' two files, and a disk
# that fills up. Run inside with-xvfb.sh --wm.
set -u
source "$(dirname "$0")/lib.sh"

rows() { [ -e "$1" ] && tr -d '\r' <"$1" | wc -l; }

# Waits up to 5 s for a window of the program other than the main one (a message box); prints its id.
other_window() {
  local found
  for _ in $(seq 50); do
    found=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -v "^$window\$" | head -n 1)
    [ -n "$found" ] && break
    sleep 0.1
  done
  echo "$found"
}

# A second copy brings the first to the front and ends; the first keeps everything it added.
program=$(install_program "$1")
folder=$(dirname "$program")
xdotool mousemove 1500 800
start_program "$program"
xdotool windowminimize "$window"
sleep 0.5
"$program" 2>"$folder/second.err" &
second=$!
for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$second" 2>/dev/null; then
  fail "a second copy keeps running beside the first"
  kill "$second"
fi
wait "$second"
status=$?
[ "$status" = 0 ] || fail "the second copy ended with $status"
grep -q "already running" "$folder/second.err" || fail "the second copy said: $(cat "$folder/second.err")"
for _ in $(seq 30); do
  xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN || break
  sleep 0.1
done
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_HIDDEN && fail "the first copy's window stays minimised"
sleep 1
add_favourite '#FF0000'
add_favourite '#0000FF'
wmctrl -i -c "$window"
expect_exit_0 "the first copy, closed"
[ "$(rows "$folder/fav")" = 2 ] && [ "$(rows "$folder/favcol")" = 2 ] ||
  fail "the favourites the first copy added are lost: $(cat -A "$folder/fav")"
rm -rf "$folder"

# A FIFO in place of "fav" and a folder in place of "colors": the window comes, a box says what
# cannot be read, and they are left as they are.
program=$(install_program "$1")
folder=$(dirname "$program")
mkfifo "$folder/fav"
mkdir "$folder/colors"
printf '255\r\n' >"$folder/favcol"
start_program "$program"
box=$(other_window)
[ -n "$box" ] || fail "no box says that files cannot be read"
kill -TERM "$pid"
expect_exit_0 "ended by SIGTERM with unreadable files"
[ -p "$folder/fav" ] && [ -d "$folder/colors" ] || fail "the FIFO or the folder was replaced"
[ "$(cat "$folder/favcol")" = $'255\r' ] || fail "favcol was written without its partner"
rm -rf "$folder"

# A file-size limit stops the save between the favourites' two files: both stay as they were.
program=$(install_program "$1")
folder=$(dirname "$program")
for _ in $(seq 2000); do printf '#FF0000\r\n'; done >"$folder/fav"
for _ in $(seq 2000); do printf '16711680\r\n'; done >"$folder/favcol"
cp "$folder/fav" "$folder/fav.before"
cp "$folder/favcol" "$folder/favcol.before"
# fav (18 kB) fits under the limit; favcol (20 kB) does not.
(ulimit -f 19 && exec "$program") 2>"$folder/err" &
pid=$!
window=$(find_window 20 --pid "$pid")
sleep 1
add_favourite '#00FF00'
kill -TERM "$pid"
wait_for_exit
[ "$exit_code" = 1 ] || fail "a save stopped by the file-size limit ended with $exit_code"
grep -q "无法保存" "$folder/err" || fail "the failed save was not said: $(cat "$folder/err")"
cmp -s "$folder/fav" "$folder/fav.before" && cmp -s "$folder/favcol" "$folder/favcol.before" ||
  fail "the favourites pair changed: $(rows "$folder/fav") rows, $(rows "$folder/favcol") values"
ls -A "$folder" | grep -q '\.new-' && fail "the stopped save left files behind"
rm -rf "$folder"

# A disk that fills up: the save fails, a box and the exit status say so, and nothing is cut short.
if [ "$(id -u)" != 0 ]; then
  echo "SKIP: a full disk needs root to mount a small file system"
else
  disk=$(mktemp -d)
  mount -t tmpfs -o size=32m tmpfs "$disk"
  cp "$1" "$disk/tintra"
  program=$disk/tintra
  for _ in $(seq 900); do printf '#FF0000\r\n'; done >"$disk/fav"
  for _ in $(seq 900); do printf '255\r\n'; done >"$disk/favcol"
  cp "$disk/fav" /tmp/fav.before.$$
  cp "$disk/favcol" /tmp/favcol.before.$$
  dd if=/dev/zero of="$disk/filler" bs=64k status=none 2>/dev/null
  truncate -s -2048 "$disk/filler"
  start_program "$program"
  sleep 1
  add_favourite '#00FF00'
  wmctrl -i -c "$window"
  box=$(other_window)
  [ -n "$box" ] || fail "no box says that the save failed"
  [ -n "$box" ] && xdotool windowactivate --sync "$box" key Return 2>/dev/null
  wait_for_exit
  [ "$exit_code" = 1 ] || fail "a save on a full disk ended with $exit_code"
  cmp -s "$disk/fav" /tmp/fav.before.$$ && cmp -s "$disk/favcol" /tmp/favcol.before.$$ ||
    fail "the full disk cut the favourites: $(rows "$disk/fav") rows, $(rows "$disk/favcol") values"
  umount "$disk"
  rm -rf "$disk" /tmp/fav.before.$$ /tmp/favcol.before.$$
fi

[ "$failures" = 0 ] && echo "PASS: a second copy, unreadable files, a stopped save and a full disk lose nothing"
exit "$failures"
