#!/usr/bin/env bash
# Start-up cost of the program on a private X server with a window manager: the time from starting the
# process to its main window being mapped, and its resident memory once started and settled. Prints the
# median and the worst of several runs.
# The Windows program (a path ending in .exe) runs under Wine in a prefix of its own, made before the
# first run; its figures are Wine's as much as the program's.
#   bench/startup.sh [path-to-tintra] [runs]
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ "${INSIDE_XVFB:-}" != 1 ]; then
  INSIDE_XVFB=1 exec "$here/../tests/e2e/with-xvfb.sh" --wm "$0" "$@"
fi
program=${1:-$here/../build/release/tintra}
runs=${2:-10}

launch=()
if [[ "$program" == *.exe ]]; then
  export WINEPREFIX=$(mktemp -d) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineboot -i >/dev/null 2>&1
  launch=(wine)
fi

times=()
memory=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  "${launch[@]}" "$program" 2>/dev/null &
  pid=$!
  # Wine starts the program as the process it was started as, and names its window after it.
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do :; done
  shown=$(date +%s%N)
  times+=($(((shown - start) / 1000000)))
  # Past the program's own release of what its start used, 2 s after the window shows.
  sleep 3
  memory+=($(awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$pid/status"))
  kill "$pid"
  wait "$pid" 2>/dev/null
done
[ ${#launch[@]} -gt 0 ] && wineserver -k && rm -rf "$WINEPREFIX"

source "$here/stats.sh"
worst() { printf '%s\n' "$@" | sort -n | tail -n 1; }
echo "window shown after: median $(printf '%s\n' "${times[@]}" | median) ms, worst $(worst "${times[@]}") ms ($runs runs)"
echo "resident memory 3 s after the window shows: median $(printf '%s\n' "${memory[@]}" | median) MB," \
  "worst $(worst "${memory[@]}") MB"
