#!/usr/bin/env bash
# Memory, on its own Xvfb of 1920x1080 with a window manager:
# 1. the program alone after 60 s of picking over a screen that changes every 280 ms under a pointer
#    that moves every 56 ms (tintra_scenery; picking is on from the first second): resident memory
#    (VmRSS) and what it allocates itself (Anonymous in /proc/PID/smaps_rollup: the heap and private
#    mappings), in MEMORY_RUNS runs (default 3), each a new program, with their least, median and most;
#    beside it, Qt's own share: the same for tintra_qt_floor, a window of the program's kind with nothing
#    of the program's, in as many runs, and the program's anonymous memory above it;
# 2. the whole process tree (the program and any browser processes it started) after 30 s of picking
#    with the maker's site unreachable, and again after the help window has been opened.
#   bench/memory.sh [build folder, default build/bench]   (the program, its browser module,
#   bench/tintra_scenery and bench/tintra_qt_floor are taken from there)
# MEMORY_SECONDS (default 60) sets the length of the first part's picking; MEMORY_MAPPINGS (default 15) how
# many of the last run's largest mappings are shown; MEMORY_FLOOR_SECONDS (default 10) how long the Qt
# window is shown before it is measured.
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ "${INSIDE_XVFB:-}" != 1 ]; then
  INSIDE_XVFB=1 exec "$here/../tests/e2e/with-xvfb.sh" --wm "$0" "$@"
fi
build=${1:-$here/../build/bench}
source "$here/../tests/e2e/lib.sh"
source "$here/stats.sh"
runs=${MEMORY_RUNS:-3}
seconds=${MEMORY_SECONDS:-60}

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

# The mappings of a process that hold the most of its resident memory, each file's mappings together,
# the heap and the other anonymous memory apart: what a figure is made of.
largest_mappings() {
  awk '/^[0-9a-f]+-[0-9a-f]+ / {name = $6; if (name == "") name = "(anonymous)"}
       /^Rss:/ {rss[name] += $2}
       /^Anonymous:/ {anon[name] += $2}
       END {for (n in rss) if (rss[n] > 0) printf "%8d %6d  %s\n", rss[n], anon[n], n}' "/proc/$1/smaps" |
    sort -rn | head -"${MEMORY_MAPPINGS:-15}"
}


"$build/bench/tintra_scenery" &
scenery=$!
sleep 0.5
echo "The program alone after $seconds s of picking over the scenery:"
resident=() anonymous=()
for ((run = 1; run <= runs; ++run)); do
  program=$(install_program "$build/tintra")
  start_program "$program" 2>/dev/null
  sleep "$seconds"
  resident+=("$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")")
  anonymous+=("$(awk '/^Anonymous/ {print $2}' "/proc/$pid/smaps_rollup")")
  [ "$run" = "$runs" ] && largest=$(largest_mappings "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null
  rm -rf "$(dirname "$program")"
  awk -v n="$run" -v r="${resident[-1]}" -v a="${anonymous[-1]}" \
    'BEGIN {printf "  run %d: %.2f MB resident, %.2f MB anonymous\n", n, r / 1024, a / 1024}'
done
echo "  resident  (least / median / most): $(printf '%s\n' "${resident[@]}" | spread 1024) MB"
echo "  anonymous (least / median / most): $(printf '%s\n' "${anonymous[@]}" | spread 1024) MB"
echo "  where the last run's resident memory lies, largest first (resident, of it anonymous, in kB):"
echo "$largest"

# Qt's own share: the same kind of window with nothing of the program's, which draws nothing more once
# shown.
floor_seconds=${MEMORY_FLOOR_SECONDS:-10}
echo "Qt alone, a window of a line of Chinese text, an editable box and two lists (tintra_qt_floor), after $floor_seconds s:"
floor_anonymous=()
for ((run = 1; run <= runs; ++run)); do
  "$build/bench/tintra_qt_floor" &
  floor=$!
  sleep "$floor_seconds"
  floor_anonymous+=("$(awk '/^Anonymous/ {print $2}' "/proc/$floor/smaps_rollup")")
  kill "$floor"
  wait "$floor" 2>/dev/null
done
echo "  anonymous (least / median / most): $(printf '%s\n' "${floor_anonymous[@]}" | spread 1024) MB"
above=$(awk -v p="$(printf '%s\n' "${anonymous[@]}" | median)" -v q="$(printf '%s\n' "${floor_anonymous[@]}" | median)" \
  'BEGIN {printf "%.2f", (p - q) / 1024}')
echo "  the program's anonymous memory above Qt's (medians): $above MB"
kill "$scenery"
wait "$scenery" 2>/dev/null

program=$(install_program "$build/tintra")
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
