#!/usr/bin/env bash
# Picking's cost against the floor, in one run on its own Xvfb of 1920x1080 with a window manager,
# over a screen that changes every 280 ms under a pointer that moves every 56 ms (tintra_scenery):
# 1. each tick's cost, median and 95th percentile, wall and CPU: the program's magnifier and pick ticks
#    (tintra_bench_ticks) and the floor's (tintra_floor, the least a magnifier can do on X11);
# 2. the whole program and the floor picking side by side for 30 s: CPU of one core, resident memory,
#    and the ratio of the two CPUs.
#   bench/picking.sh [build folder, default build/bench]
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ "${INSIDE_XVFB:-}" != 1 ]; then
  INSIDE_XVFB=1 exec "$here/../tests/e2e/with-xvfb.sh" --wm "$0" "$@"
fi
build=${1:-$here/../build/bench}
source "$here/../tests/e2e/lib.sh"

"$build/bench/tintra_scenery" &
scenery=$!
sleep 0.5

echo "Each tick over 20 s:"
"$build/bench/tintra_bench_ticks" 20 2>/dev/null
"$build/bench/tintra_floor" 20 --report

program=$(install_program "$build/tintra")
"$program" 2>/dev/null &
pid=$!
"$build/bench/tintra_floor" 40 &
floor=$!
sleep 3 # picking is on from the first second
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$1/stat"; }
before=$(cpu "$pid")
floor_before=$(cpu "$floor")
start=$(date +%s%N)
sleep 30
used=$(($(cpu "$pid") - before))
floor_used=$(($(cpu "$floor") - floor_before))
elapsed=$((($(date +%s%N) - start) / 1000000))
memory=$(awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$pid/status")
floor_memory=$(awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$floor/status")
kill "$pid" "$floor" "$scenery"
wait 2>/dev/null
rm -rf "$(dirname "$program")"
awk -v u="$used" -v f="$floor_used" -v hz="$ticks" -v ms="$elapsed" -v m="$memory" -v fm="$floor_memory" 'BEGIN {
  s = ms / 1000
  printf "Picking for %.1f s side by side:\n", s
  printf "  program  %.2f%% of one core, %d MB resident\n", 100 * u / hz / s, m
  printf "  floor    %.2f%% of one core, %d MB resident\n", 100 * f / hz / s, fm
  if (f > 0) printf "  the program takes %.1f times the floor'\''s CPU\n", u / f
}'
