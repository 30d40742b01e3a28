#!/usr/bin/env bash
# The program as a screen reader meets it: on an accessibility bus of the test's own (a private session
# bus, at-spi-bus-launcher and the registry it starts), tests/e2e/accessibility.py walks the program's
# tree, presses buttons through their actions and listens for the colour under the pointer.
#   accessibility.sh PROGRAM [LANGUAGE]    LANGUAGE: zh (the default, under the C locale) or en
# Run inside with-xvfb.sh --wm.
set -u
here=$(dirname "$0")
source "$here/lib.sh"
source "$here/private-bus.sh"
program=$(install_program "$1")
language=${2:-zh}
[ "$language" = en ] && export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8

work=$(mktemp -d)
pids=()
start_private_bus "$work" "$work/bus.log"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/launcher.log" 2>&1 &
launcher=$!
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.05
done

descendants() {
  local child
  for child in $(pgrep -P "$1"); do
    descendants "$child"
    echo "$child"
  done
}
# The registry (which the launcher's bus starts detached), the launcher's bus, the launcher and the
# session bus, each by its process id and each gone before the next, so that its parent collects it;
# also when the program never showed its window.
stop_helpers() {
  local a11y_bus registry helper
  a11y_bus=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress |
    tr -d ' ')
  registry=$(dbus-send --bus="$a11y_bus" --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.GetConnectionUnixProcessID string:org.a11y.atspi.Registry 2>/dev/null | awk '{print $2}')
  for helper in $registry $(descendants "$launcher") "$launcher" "${pids[@]}"; do
    kill "$helper" 2>/dev/null
    for _ in $(seq 100); do
      case "$(ps -o stat= -p "$helper" 2>/dev/null)" in "" | Z*) break ;; esac
      sleep 0.05
    done
  done
  wait 2>/dev/null
  rm -rf "$work" "$(dirname "$program")"
}
trap stop_helpers EXIT

xsetroot -solid '#204060'
xdotool mousemove 1500 800
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$program"
/usr/bin/python3 "$here/accessibility.py" "$pid" "$language" || fail "the screen reader's walk"

kill "$pid"
expect_exit_0 "ended by SIGTERM"
[ "$failures" = 0 ] && echo "PASS: every control has a name, buttons press, the colour is told"
