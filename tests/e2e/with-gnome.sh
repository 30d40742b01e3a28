#!/bin/bash
# Runs a command on a headless GNOME desktop of its own: the compositor with one 1280x720 monitor and
# its X server for older programs, a private session bus, PipeWire with its session manager and the
# desktop portal with GNOME's back end, the whole stopped by process id when the command ends. Exits 77
# (skipped) where the compositor or the portal is not installed.
#   with-gnome.sh COMMAND...
# The command gets WAYLAND_DISPLAY, DISPLAY and XAUTHORITY, DBUS_SESSION_BUS_ADDRESS, XDG_RUNTIME_DIR,
# and a person's hands and eyes: gnome-remote.py, running, takes its commands on file descriptor 7 and
# answers each on 8 (gnome-lib.sh wraps them); GNOME_REMOTE_PROGRAM is the helper, for its other uses.
set -u
here=$(cd "$(dirname "$0")" && pwd)
for needed in mutter /usr/libexec/xdg-desktop-portal /usr/libexec/xdg-desktop-portal-gnome \
  /usr/libexec/xdg-permission-store pipewire wireplumber Xwayland gst-launch-1.0 gdbus /usr/bin/python3; do
  command -v "$needed" >/dev/null || { echo "SKIP: no $needed here"; exit 77; }
done
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || { echo "SKIP: no python3-dbus here"; exit 77; }
gst-inspect-1.0 pipewiresrc >/dev/null 2>&1 || { echo "SKIP: no PipeWire source for GStreamer here"; exit 77; }

# The compositor keeps its X server's sockets in the system's folder and will not use it unless anyone
# may write there, as on any desktop.
if [ ! -d /tmp/.X11-unix ]; then
  mkdir -m 1777 /tmp/.X11-unix
elif [ -z "$(find /tmp/.X11-unix -maxdepth 0 -perm -1777)" ]; then
  if [ -O /tmp/.X11-unix ] || [ "$(id -u)" = 0 ]; then
    chmod 1777 /tmp/.X11-unix
  else
    echo "SKIP: /tmp/.X11-unix is not open to all"
    exit 77
  fi
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
pids=()
stop_all() {
  exec 7>&- 8<&-
  # The last started goes first; the bus last of all, once nothing uses it.
  local i p
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    p=${pids[i]}
    kill "$p" 2>/dev/null
    for _ in $(seq 100); do kill -0 "$p" 2>/dev/null || break; sleep 0.05; done
    kill -0 "$p" 2>/dev/null && echo "with-gnome: process $p did not end; killed" >&2
    kill -9 "$p" 2>/dev/null
    wait "$p" 2>/dev/null
  done
  rm -rf "$runtime"
}
trap stop_all EXIT
trap 'exit 1' INT TERM

say_logs() {
  for log in "$runtime"/*.log; do
    echo "--- $(basename "$log")"
    tail -n 30 "$log"
  done
}

export XDG_RUNTIME_DIR=$runtime HOME=$runtime/home XDG_CONFIG_HOME=$runtime/home/.config
export XDG_DATA_HOME=$runtime/home/.local/share XDG_CACHE_HOME=$runtime/home/.cache
export XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland XDG_SESSION_DESKTOP=gnome
export LIBGL_ALWAYS_SOFTWARE=1 GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 GTK_A11Y=none
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM
mkdir -p "$HOME"

# A bus that starts nothing by itself: everything on it is started here, and so stopped here.
. "$here/private-bus.sh"
start_private_bus "$runtime" "$runtime/bus.log"

remote=$here/gnome-remote.py
export GNOME_REMOTE_PROGRAM=$remote
wait_for_names() { /usr/bin/python3 "$remote" wait "$@" 2>>"$runtime/bus.log"; }

# PipeWire first: the compositor's screen casts are PipeWire streams.
pipewire >"$runtime/pipewire.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$runtime/pipewire-0" ] && break; sleep 0.05; done
wireplumber >"$runtime/wireplumber.log" 2>&1 &
pids+=($!)

mutter --headless --wayland --virtual-monitor 1280x720 --wayland-display gnome-test \
  >"$runtime/mutter.log" 2>&1 &
pids+=($!)
if ! wait_for_names org.gnome.Mutter.ScreenCast org.gnome.Mutter.RemoteDesktop; then
  echo "FAIL: the compositor did not start"
  say_logs
  exit 1
fi
export WAYLAND_DISPLAY=gnome-test
# The compositor names the X server it starts in its log:
#   Using public X11 display :0, (using :1 for managed services)
for _ in $(seq 100); do
  display=$(sed -n 's/.*Using public X11 display \(:[0-9]*\),.*/\1/p' "$runtime/mutter.log")
  [ -n "$display" ] && break
  sleep 0.05
done
authority=$(find "$runtime" -maxdepth 1 -name '.mutter-Xwaylandauth.*' | head -n 1)
if [ -z "$display" ] || [ -z "$authority" ]; then
  echo "FAIL: the compositor started no X server"
  say_logs
  exit 1
fi
export DISPLAY=$display XAUTHORITY=$authority

/usr/libexec/xdg-permission-store >"$runtime/permission-store.log" 2>&1 &
pids+=($!)
/usr/libexec/xdg-desktop-portal-gnome >"$runtime/portal-gnome.log" 2>&1 &
pids+=($!)
if ! wait_for_names org.freedesktop.impl.portal.PermissionStore org.freedesktop.impl.portal.desktop.gnome; then
  echo "FAIL: GNOME's portal did not start"
  say_logs
  exit 1
fi
/usr/libexec/xdg-desktop-portal >"$runtime/portal.log" 2>&1 &
pids+=($!)
if ! wait_for_names org.freedesktop.portal.Desktop; then
  echo "FAIL: the desktop portal did not start"
  say_logs
  exit 1
fi

# The helper reads its commands from one pipe and answers on another.
mkfifo "$runtime/remote.in" "$runtime/remote.out"
/usr/bin/python3 "$remote" <"$runtime/remote.in" >"$runtime/remote.out" 2>"$runtime/remote.log" &
pids+=($!)
exec 7>"$runtime/remote.in" 8<"$runtime/remote.out"
read -r -t 10 ready <&8
if [ "${ready:-}" != ready ]; then
  echo "FAIL: no remote control of the desktop"
  say_logs
  exit 1
fi

"$@"
