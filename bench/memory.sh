#!/usr/bin/env bash
# Resident memory of the whole process tree (the program and any browser processes it started), on
# its own Xvfb with a window manager: after 30 s of picking with the maker's site unreachable, and
# again after the help window has been opened.
#   bench/memory.sh [path-to-tintra]   (the browser module is looked for beside it)
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ "${INSIDE_XVFB:-}" != 1 ]; then
  INSIDE_XVFB=1 exec "$here/../tests/e2e/with-xvfb.sh" --wm "$0" "$@"
fi
source "$here/../tests/e2e/lib.sh"
program=$(install_program "${1:-$here/../build/release/tintra}")

# The resident memory of a process and all its descendants, in MB.
tree_rss() {
  local total=0 pids=("$1") child
  while [ ${#pids[@]} -gt 0 ]; do
    local p=${pids[0]}
    pids=("${pids[@]:1}")
    total=$((total + $(awk '/VmRSS/ {print $2}' "/proc/$p/status" 2>/dev/null || echo 0)))
    for child in $(cat /proc/"$p"/task/*/children 2>/dev/null); do pids+=("$child"); done
  done
  echo $((total / 1024))
}

xdotool mousemove 1500 800
start_program "$program"
for i in $(seq 30); do
  xdotool mousemove $((1000 + (i * 37) % 800)) 700
  sleep 1
done
echo "process tree after 30 s of picking: $(tree_rss "$pid") MB"

xdotool mousemove --window "$window" 60 $((12 + 60 + 190 + 13)) click 1
sleep 10
echo "process tree with the help window open: $(tree_rss "$pid") MB"
kill "$pid"
wait "$pid" 2>/dev/null
rm -rf "$(dirname "$program")"
