#!/usr/bin/env bash
# The Windows program under Wine on a real X desktop: its window "Tintra1.6" appears, the desktop's
# colour read through GDI reaches the history, and closing the window writes the four files beside the
# program, the history as its rows in CR LF lines. Run inside with-xvfb.sh --wm, with WINEPREFIX set.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
folder=$(mktemp -d)
cp "$1" "$folder/tintra.exe"

xsetroot -solid '#404040'
xdotool mousemove 1500 800
"$here/with-wine.sh" "$folder/tintra.exe" &
pid=$!
window=$(find_window 60 --name '^Tintra1\.6$')
if [ -z "$window" ]; then
  echo "FAIL: no window Tintra1.6 within 60 s"
  kill "$pid"
  exit 1
fi

# Picking starts a second after start; each later second adds the colour under the pointer.
sleep 2.5
for colour in '#A1B2C3' '#0A0B0C'; do
  xsetroot -solid "$colour"
  sleep 2
done

wmctrl -i -c "$window"
wait_for_exit
[ "$exit_code" = 0 ] || fail "closing the window: exit code $exit_code"
[ "$exit_code" = running ] && kill "$pid"

for file in default colors fav favcol; do
  [ -f "$folder/$file" ] || fail "no file $file beside the program"
done
expected=$(printf '#0A0B0C\r\n#A1B2C3\r\n#404040\r\n')
[ "$(head -c 27 "$folder/colors")" = "$expected" ] ||
  fail "the history file begins $(head -c 27 "$folder/colors" | od -An -c | tr -s ' ')"

rm -rf "$folder"
[ "$failures" = 0 ] && echo "PASS: the window, the desktop's colours in the history, the files on closing"
exit "$failures"
