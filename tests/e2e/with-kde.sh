#!/bin/bash
# Runs a command on a headless KDE Plasma desktop of its own: KWin on one virtual output of 1280x720,
# a private session bus, PipeWire with WirePlumber, and the desktop portal with KDE's back end (its
# screen-cast dialog included), each stopped by process id when the command ends. The command gets
# the desktop's environment (WAYLAND_DISPLAY, DBUS_SESSION_BUS_ADDRESS, XDG_RUNTIME_DIR,
# XDG_SESSION_TYPE, XDG_CURRENT_DESKTOP) and a pointer and keyboard: lines written to the FIFO
# $KDE_INPUT reach the fake-input program (see KdeFakeInput.cpp), whose answers come on the FIFO
# $KDE_INPUT_ANSWERS; kde-lib.sh wraps them. Exits 77 (skipped) where KWin or the portal is not
# installed. KDE_GLOBAL_SHORTCUTS=1 leaves KWin's global shortcuts on.
#   with-kde.sh FAKE_INPUT_PROGRAM COMMAND...
set -u
# Read whole before it runs: a change to this file while a desktop is up leaves that run alone.
{
fake_input=$1
shift
kde_portal=/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde
[ -x "$kde_portal" ] || kde_portal=/usr/libexec/xdg-desktop-portal-kde
for needed in /usr/bin/kwin_wayland "$kde_portal" /usr/libexec/xdg-desktop-portal /usr/libexec/xdg-permission-store \
              "$fake_input"; do
  [ -x "$needed" ] || { echo "SKIP: no $needed here"; exit 77; }
done
for needed in pipewire wireplumber pw-cli pw-dump dbus-daemon gdbus; do
  command -v "$needed" >/dev/null || { echo "SKIP: no $needed here"; exit 77; }
done

runtime=$(mktemp -d)
chmod 700 "$runtime"
pids=()
stop_all() {
  # The last started first, each given a moment: the bus goes last, once nothing speaks on it.
  local i p
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    p=${pids[i]}
    kill "$p" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$p" 2>/dev/null || break; sleep 0.05; done
    kill -9 "$p" 2>/dev/null
    wait "$p" 2>/dev/null
  done
  exec 7>&- 8<&- 2>/dev/null
  rm -rf "$runtime"
}
trap stop_all EXIT
trap 'exit 1' INT TERM

# Everything the desktop keeps (KWin's and the portal's settings, the kept shares) lives in here.
export HOME=$runtime XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME=$runtime/config XDG_DATA_HOME=$runtime/data
export XDG_CACHE_HOME=$runtime/cache XDG_STATE_HOME=$runtime/state
export XDG_DATA_DIRS=$runtime/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5
# A crash ends the process (no crash dialog is started), and each KDE program picks its own platform.
export KDE_DEBUG=1
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER QT_QPA_PLATFORM
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$runtime/share/applications" "$runtime/bin"
log=$runtime/log
mkdir "$log"

# Waits up to 10 s for a name on the bus, while the process started last runs.
wait_for_name() {
  for _ in $(seq 200); do
    [ "$(gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
          --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null)" = "(true,)" ] && return 0
    kill -0 "${pids[-1]}" 2>/dev/null || return 1
    sleep 0.05
  done
  return 1
}
give_up() {
  echo "FAIL: $1"
  tail -n 30 "$log"/* 2>/dev/null
  exit 1
}

# A bus of its own that starts nothing by itself: each service below is started, and stopped, here.
. "$(dirname "$0")/private-bus.sh"
start_private_bus "$runtime" "$log/bus"
wait_for_name org.freedesktop.DBus || give_up "the session bus did not start"

pipewire >"$log/pipewire" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$runtime/pipewire-0" ] && break; sleep 0.05; done
[ -S "$runtime/pipewire-0" ] || give_up "PipeWire did not start"
wireplumber >"$log/wireplumber" 2>&1 &
pids+=($!)
for _ in $(seq 200); do
  pw-cli ls Client 2>/dev/null | grep -q '"WirePlumber"' && break
  kill -0 "${pids[-1]}" 2>/dev/null || break
  sleep 0.05
done
pw-cli ls Client 2>/dev/null | grep -q '"WirePlumber"' || give_up "WirePlumber did not start"

# As on a desktop that has run a while, PipeWire's object ids (which it hands out again) and serials
# (which it never does) drift apart: a client or two come and go.
for _ in 1 2 3; do pw-cli info 0 >/dev/null 2>&1; done

# KWin gives its fake input, and copies of the screen, only to the programs a desktop entry names for
# them. The tests' scripts are read by the system's Python, whose own entry comes first for KWin: this
# one takes its name, and its place in this session.
python=$(readlink -f /usr/bin/python3)
cat >"$runtime/share/applications/tintra-kde-fake-input.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Fake input for the tests
Exec=$(readlink -f "$fake_input")
NoDisplay=true
X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input
ENTRY
cat >"$runtime/share/applications/$(basename "$python").desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Python with copies of the screen
Exec=$python
NoDisplay=true
X-KDE-DBUS-Restricted-Interfaces=org.kde.KWin.ScreenShot2
ENTRY
# No animations, and no shadows round the windows: what a window shows is all there is at its place.
printf '[KDE]\nAnimationDurationFactor=0\n' >"$XDG_CONFIG_HOME/kdeglobals"
printf '[KDE]\nAnimationDurationFactor=0\n' >"$XDG_CONFIG_HOME/kwinrc"
printf '[Common]\nShadowSize=ShadowNone\n' >"$XDG_CONFIG_HOME/breezerc"
# The installed KWin carries file capabilities, which a container may refuse to start; a copy has none.
cp /usr/bin/kwin_wayland "$runtime/bin/kwin_wayland"
global_shortcuts=--no-global-shortcuts
[ "${KDE_GLOBAL_SHORTCUTS:-}" = 1 ] && global_shortcuts=
"$runtime/bin/kwin_wayland" --virtual --width 1280 --height 720 --socket wayland-kde --no-lockscreen \
  $global_shortcuts --no-kactivities >"$log/kwin" 2>&1 &
pids+=($!)
for _ in $(seq 200); do [ -S "$runtime/wayland-kde" ] && break; sleep 0.05; done
export WAYLAND_DISPLAY=wayland-kde
wait_for_name org.kde.KWin || give_up "KWin did not start"

# The dialog drawn without OpenGL: Qt Quick's render thread with Mesa's software OpenGL now and then
# crashes the portal as the dialog closes.
QT_QPA_PLATFORM=wayland QT_QUICK_BACKEND=software "$kde_portal" >"$log/portal-kde" 2>&1 &
pids+=($!)
wait_for_name org.freedesktop.impl.portal.desktop.kde || give_up "KDE's portal did not start"
/usr/libexec/xdg-permission-store >"$log/permission-store" 2>&1 &
pids+=($!)
wait_for_name org.freedesktop.impl.portal.PermissionStore || give_up "the permission store did not start"
/usr/libexec/xdg-desktop-portal >"$log/portal" 2>&1 &
pids+=($!)
wait_for_name org.freedesktop.portal.Desktop || give_up "the desktop portal did not start"

# The pointer and keyboard: a FIFO in each direction, held open here so that the program sees no end
# between the command's lines.
export KDE_INPUT=$runtime/input KDE_INPUT_ANSWERS=$runtime/input-answers
mkfifo "$KDE_INPUT" "$KDE_INPUT_ANSWERS"
exec 7<>"$KDE_INPUT" 8<>"$KDE_INPUT_ANSWERS"
"$fake_input" <"$KDE_INPUT" >"$KDE_INPUT_ANSWERS" 2>"$log/fake-input" 7>&- 8>&- &
pids+=($!)
read -r -t 10 ready <"$KDE_INPUT_ANSWERS"
[ "${ready:-}" = ready ] || give_up "no fake input on the headless desktop"
export KDE_DESKTOP_LOG=$log
names=(bus PipeWire WirePlumber KWin "KDE's portal" "the permission store" "the desktop portal" "the fake input")

"$@" 7>&- 8>&-
status=$?
# A piece of the desktop that fell over leaves the command's findings in doubt.
for i in "${!pids[@]}"; do
  kill -0 "${pids[i]}" 2>/dev/null && continue
  echo "FAIL: ${names[i]} ended while the command ran"
  tail -n 30 "$log"/* 2>/dev/null
  status=1
done
exit "$status"
}
