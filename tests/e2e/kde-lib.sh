# Shared by the scripts that run the program on the headless KDE Plasma desktop of with-kde.sh;
# sourced, not run.
python=/usr/bin/python3 # the system's, which has the D-Bus and GLib modules
kde_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# One line to the fake input, which answers once KWin has taken it.
kde_input() {
  local answer
  echo "$*" >"$KDE_INPUT"
  read -r -t 5 answer <"$KDE_INPUT_ANSWERS"
  [ "${answer:-}" = ok ] || { echo "FAIL: the fake input did not take \"$*\": ${answer:-no answer}"; exit 1; }
}
point() { kde_input move "$1" "$2"; }
click() { kde_input click 272; } # the left button
key() { kde_input key "$1"; }    # a Linux key code: 1 is Esc
point_and_click() { point "$1" "$2" && click; }

# The desktop's windows, one a line: "PID CLASS X Y WIDTH HEIGHT ACTIVE", the place and size being
# those of the window's contents (without KWin's frame). KWin runs a script that prints them into
# its log.
kde_windows() {
  local mark script
  mark=windows$$_$RANDOM$RANDOM
  script=$(mktemp --suffix=.js)
  cat >"$script" <<SCRIPT
var windows = workspace.clientList();
for (var i = 0; i < windows.length; i++) {
    var w = windows[i], g = w.bufferGeometry;
    print("$mark", w.pid, w.resourceClass, g.x, g.y, g.width, g.height, w.active);
}
print("$mark", "end");
SCRIPT
  gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting.loadScript \
    "$script" "$mark" >/dev/null
  gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting.start >/dev/null
  for _ in $(seq 100); do
    grep -q "^js: $mark end" "$KDE_DESKTOP_LOG/kwin" && break
    sleep 0.05
  done
  gdbus call --session --dest org.kde.KWin --object-path /Scripting --method org.kde.kwin.Scripting.unloadScript \
    "$mark" >/dev/null
  rm -f "$script"
  grep "^js: $mark " "$KDE_DESKTOP_LOG/kwin" | grep -v " end$" | cut -d' ' -f3-
}

# Sets left and top to the place of the contents of the program's window (process $pid), if it has one.
find_window() {
  left= top=
  read -r left top < <(kde_windows | awk -v pid="$pid" '$1 == pid {print $3, $4; exit}')
}
# The screen-cast portal's dialog: "X Y WIDTH HEIGHT ACTIVE" of its contents, or nothing.
portal_dialog() { kde_windows | awk '$2 == "org.freedesktop.impl.portal.desktop.kde" {print $3, $4, $5, $6, $7; exit}'; }

# Waits up to $1 tenths of a second for a command to succeed.
wait_until() {
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

# The portal's traffic, recorded from here on by a bus monitor; see kde-portal-watch.py.
portal_log=
start_portal_watch() {
  portal_log=$(mktemp)
  "$python" "$kde_scripts/kde-portal-watch.py" watch "$portal_log" >"$portal_log.out" 2>&1 &
  watch_pid=$!
  wait_until 50 grep -qs ready "$portal_log.out" || { echo "FAIL: the bus monitor did not start"; exit 1; }
}
stop_portal_watch() {
  [ -n "${watch_pid:-}" ] && kill "$watch_pid" 2>/dev/null && wait "$watch_pid" 2>/dev/null
  rm -f "$portal_log" "$portal_log.out"
}
# One line for each of the program's Starts: "pending", or the answer's code, token and streams.
starts() { "$python" "$kde_scripts/kde-portal-watch.py" starts "$portal_log" "$pid"; }
asked() { "$python" "$kde_scripts/kde-portal-watch.py" asked "$portal_log" "$pid" "$@"; }
closes() { "$python" "$kde_scripts/kde-portal-watch.py" closes "$portal_log" "$pid"; }

# The state of the links from PipeWire node $1 into the streams of process $pid, one a line.
links_into_program() {
  pw-dump 2>/dev/null | "$python" -c '
import json, sys
node, pid = int(sys.argv[1]), int(sys.argv[2])
objects = json.load(sys.stdin)
props = lambda o: (o.get("info") or {}).get("props") or {}
clients = {o["id"] for o in objects if o["type"].endswith(":Client")
           and str(props(o).get("application.process.id")) == str(pid)}
nodes = {o["id"] for o in objects if o["type"].endswith(":Node") and props(o).get("client.id") in clients}
for o in objects:
    if o["type"].endswith(":Link") and props(o).get("link.output.node") == node \
            and props(o).get("link.input.node") in nodes:
        print(o["info"]["state"])' "$1" "$pid"
}
# How many PipeWire nodes process $pid has.
program_nodes() {
  pw-dump 2>/dev/null | "$python" -c '
import json, sys
pid = sys.argv[1]
objects = json.load(sys.stdin)
props = lambda o: (o.get("info") or {}).get("props") or {}
clients = {o["id"] for o in objects if o["type"].endswith(":Client")
           and str(props(o).get("application.process.id")) == pid}
print(sum(1 for o in objects if o["type"].endswith(":Node") and props(o).get("client.id") in clients))' "$pid"
}

# A digest of the program's hint line as KWin shows it: the bottom of its window, below where the
# portal's dialog reaches.
hint_line() { "$python" "$kde_scripts/kde-capture.py" "$left" $((top + 556)) 498 40 "$@"; }
# Waits up to 3 s for the hint line to stay the same for a moment, and prints its digest.
settled_hint_line() {
  local before now
  before=$(hint_line)
  for _ in $(seq 10); do
    sleep 0.3
    now=$(hint_line)
    [ "$now" = "$before" ] && break
    before=$now
  done
  echo "$now"
}
