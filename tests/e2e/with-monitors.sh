#!/usr/bin/env bash
# Runs a command on a private X server whose outputs DUMMY0 and DUMMY1 the command lays out as
# monitors (Xorg with its dummy driver; DUMMY1 is given the mode 1280x1024), then stops the server by
# process id. Xorg needs root here: elsewhere this exits 77, which the test suite counts as skipped.
set -u
if [ "$(id -u)" != 0 ]; then
  echo "with-monitors: Xorg with the dummy driver needs root"
  exit 77
fi
work=$(mktemp -d)
cat >"$work/xorg.conf" <<'CONF'
Section "Device"
  Identifier "dummy"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "screen"
  Device "dummy"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 3200 2104
  EndSubSection
EndSection
CONF
Xorg -displayfd 3 -config "$work/xorg.conf" -noreset -nolisten tcp -logfile "$work/xorg.log" 3>"$work/display" \
  >/dev/null 2>&1 &
xorg=$!
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
if [ ! -s "$work/display" ]; then
  echo "with-monitors: the X server did not start" >&2
  tail -n 20 "$work/xorg.log" >&2
  kill "$xorg" 2>/dev/null
  rm -rf "$work"
  exit 1
fi
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export LC_ALL=C.UTF-8
unset LANGUAGE
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
xrandr --addmode DUMMY1 1280x1024

"$@"
rc=$?

kill "$xorg" 2>/dev/null
wait 2>/dev/null
rm -rf "$work"
exit "$rc"
