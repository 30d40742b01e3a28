#!/usr/bin/env bash
# Runs a command on a private X server of 1920x1080 (or XVFB_SCREEN, as WIDTHxHEIGHTxDEPTH), with the
# openbox window manager when --wm is given, then stops them by process id. The command's exit code is
# this script's.
set -u
wm=0
if [ "${1:-}" = "--wm" ]; then wm=1; shift; fi

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1920x1080x24}" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
export XVFB_PID=$xvfb
for _ in $(seq 200); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
if [ ! -s "$work/display" ]; then
  echo "with-xvfb: the X server did not start" >&2
  cat "$work/xvfb.log" >&2
  kill "$xvfb" 2>/dev/null
  rm -rf "$work"
  exit 1
fi
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
# The tools that read window titles read them as UTF-8, whatever locale the caller had; the program
# speaks its own Chinese, whatever language the caller's desktop had.
export LC_ALL=C.UTF-8
unset LANGUAGE
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

wmpid=
if [ "$wm" = 1 ]; then
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  wmpid=$!
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
fi

"$@"
rc=$?

[ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null
kill "$xvfb" 2>/dev/null
wait 2>/dev/null
rm -rf "$work"
exit "$rc"
