#!/usr/bin/env bash
# Picking's cost on its own Xvfb of 1920x1080 with a window manager:
# 1. the time of one magnifier tick and one pick tick (Google Benchmark, tintra_bench_picking);
# 2. the whole program's CPU use over 10 s of picking with the pointer moving outside its window.
#   bench/picking.sh [build folder, default build/bench]
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ "${INSIDE_XVFB:-}" != 1 ]; then
  INSIDE_XVFB=1 exec "$here/../tests/e2e/with-xvfb.sh" --wm "$0" "$@"
fi
build=${1:-$here/../build/bench}

"$build/bench/tintra_bench_picking" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true 2>/dev/null

"$build/tintra" 2>/dev/null &
pid=$!
sleep 3 # picking is on from the first second
ticks=$(getconf CLK_TCK)
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(cpu)
start=$(date +%s%N)
end=$((start + 10000000000))
x=1000
while [ "$(date +%s%N)" -lt "$end" ]; do
  x=$(((x + 37) % 900 + 1000))
  xdotool mousemove "$x" 700
  sleep 0.05
done
after=$(cpu)
elapsed=$((($(date +%s%N) - start) / 1000000))
kill "$pid"
wait "$pid" 2>/dev/null
awk -v used="$((after - before))" -v hz="$ticks" -v ms="$elapsed" \
  'BEGIN {printf "program CPU over %.1f s of picking with the pointer moving: %.2f%% of one core\n", ms / 1000, 100 * used / hz / (ms / 1000)}'
