#!/bin/bash
# Runs a command on a headless wlroots desktop of its own: a compositor with one output of the given
# size, a private session bus and a pointer, the whole stopped by process id when the command ends.
# The compositor will not run as root, so there it runs as an unprivileged user, and the command runs
# as the caller. Exits 77 (skipped) where no such compositor is installed. SWAY_OUTPUTS=2 adds a second
# output, at scale 2, left of the first.
#   with-sway.sh VIRTUAL_POINTER_PROGRAM COMMAND...
set -u
command -v sway >/dev/null || { echo "SKIP: no sway here"; exit 77; }
pointer_program=$1
shift

runtime=$(mktemp -d)
chmod 700 "$runtime"
as_user=()
if [ "$(id -u)" = 0 ]; then
  chown nobody:nogroup "$runtime"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
cat >"$runtime/config" <<'CONFIG'
output HEADLESS-1 resolution 1280x800 position 0 0 bg #FF0000 solid_color
output HEADLESS-2 resolution 1600x1200 position -800 0 scale 2 bg #0000FF solid_color
default_border none
focus_follows_mouse no
seat * hide_cursor 0
for_window [app_id=".*"] floating enable
CONFIG
chmod 644 "$runtime/config"

pids=()
stop_all() {
  # One at a time, each given a moment: the bus session ends by itself, and its bus with it, once the
  # compositor has.
  for p in "${pids[@]}"; do
    kill "$p" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.05; done
    kill -9 "$p" 2>/dev/null
  done
  rm -rf "$runtime"
}
trap stop_all EXIT

export XDG_RUNTIME_DIR=$runtime WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=${WLR_RENDERER:-pixman}
export WLR_HEADLESS_OUTPUTS=${SWAY_OUTPUTS:-1} HOME=$runtime
unset DISPLAY WAYLAND_DISPLAY
"${as_user[@]}" dbus-run-session -- sway -c "$runtime/config" >"$runtime/sway.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  socket=$(find "$runtime" -maxdepth 1 -name 'sway-ipc.*.sock' 2>/dev/null | head -n 1)
  display=$(find "$runtime" -maxdepth 1 -type s -name 'wayland-*' -printf '%f\n' 2>/dev/null | head -n 1)
  [ -n "$socket" ] && [ -n "$display" ] && break
  sleep 0.05
done
if [ -z "${socket:-}" ]; then
  echo "FAIL: the headless desktop did not start"
  cat "$runtime/sway.log"
  exit 1
fi
export SWAYSOCK=$socket WAYLAND_DISPLAY=$display XDG_SESSION_TYPE=wayland
# The compositor's own id is in its socket's name; it goes first, and the bus session ends with it.
compositor=${socket%.sock}
compositor=${compositor##*.}
pids=("$compositor" "${pids[@]}")

coproc POINTER { "$pointer_program"; }
pids+=($POINTER_PID)
read -r -t 5 ready <&"${POINTER[0]}"
[ "${ready:-}" = ready ] || { echo "FAIL: no pointer on the headless desktop"; exit 1; }

"$@"
