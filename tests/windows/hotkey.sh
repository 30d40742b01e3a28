#!/usr/bin/env bash
# The Windows program's hotkey under Wine: turned on in its settings file, Ctrl+Alt+Shift+C puts the
# colour under the pointer on the clipboard in the chosen format (HTML without its prefix), which
# picking alone never does. Wine hands the keys to its hotkeys only while one of its windows has the
# focus, so the program's own window has it here. Run inside with-xvfb.sh --wm, with WINEPREFIX set.
set -u
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
folder=$(mktemp -d)
cp "$1" "$folder/tintra.exe"
printf '[default]\r\nCbColorPre=1\r\nGlobalHotkey=1\r\n' >"$folder/default"

xsetroot -solid '#3A7BD5'
xdotool mousemove 1500 800
"$here/with-wine.sh" "$folder/tintra.exe" &
pid=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tintra1\.6$' 2>/dev/null | head -n 1)
if [ -z "$window" ]; then
  echo "FAIL: no window Tintra1.6 within 60 s"
  kill "$pid"
  exit 1
fi
xdotool windowactivate --sync "$window"
sleep 1
xdotool key ctrl+alt+shift+c
for _ in $(seq 50); do
  text=$(xclip -o -selection clipboard 2>/dev/null)
  [ "$text" = "3A7BD5" ] && break
  sleep 0.2
done
[ "$text" = "3A7BD5" ] || fail "after the hotkey the clipboard holds '$text'"

wmctrl -i -c "$window"
wait_for_exit
[ "$exit_code" = 0 ] || fail "closing the window: exit code $exit_code"
[ "$exit_code" = running ] && kill "$pid"
grep -q $'^GlobalHotkey=1\r$' "$folder/default" || fail "the choice was not kept"
rm -rf "$folder"
[ "$failures" = 0 ] && echo "PASS: the hotkey copies the colour under the pointer"
exit "$failures"
