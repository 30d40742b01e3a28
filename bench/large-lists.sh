#!/usr/bin/env bash
# Large favourites files: for a 100 MB file of one line, 10 MB of empty lines and 5 million rows with
# their values, the time from start to the window being mapped, the peak resident memory, and the
# time from closing the window to the program's end, on its own Xvfb with a window manager.
#   bench/large-lists.sh [path-to-tintra]
set -u
here=$(cd "$(dirname "$0")" && pwd)
if [ "${INSIDE_XVFB:-}" != 1 ]; then
  INSIDE_XVFB=1 exec "$here/../tests/e2e/with-xvfb.sh" --wm "$0" "$@"
fi
source "$here/../tests/e2e/lib.sh"
source_program=${1:-$here/../build/release/tintra}
files=$(mktemp -d)
python3 - "$files" <<'PY'
import sys
d = sys.argv[1]
open(f'{d}/one-line', 'wb').write(b'#' * 100_000_000)
open(f'{d}/empty-lines', 'wb').write(b'\n' * 10_000_000)
open(f'{d}/rows', 'wb').write(b''.join(b'#%06X\r\n' % (i & 0xFFFFFF) for i in range(5_000_000)))
open(f'{d}/values', 'wb').write(b''.join(b'%d\r\n' % (i & 0xFFFFFF) for i in range(5_000_000)))
PY

seconds() { date +%s.%N; }
for case in "one-line" "empty-lines" "rows values"; do
  set -- $case
  program=$(install_program "$source_program")
  folder=$(dirname "$program")
  cp "$files/$1" "$folder/fav"
  [ -n "${2:-}" ] && cp "$files/$2" "$folder/favcol"
  size=$(($(cat "$folder"/fav* | wc -c) / 1000000))
  started=$(seconds)
  start_program "$program"
  shown=$(seconds)
  sleep 2
  peak=$(awk '/VmHWM/ {print int($2 / 1024)}' "/proc/$pid/status")
  closing=$(seconds)
  wmctrl -i -c "$window"
  wait_for_exit
  ended=$(seconds)
  printf '%-12s %4d MB of files: window after %.2f s, peak memory %d MB, closed in %.2f s (exit %s)\n' \
    "$1" "$size" "$(echo "$shown - $started" | bc)" "$peak" "$(echo "$ended - $closing" | bc)" "$exit_code"
  rm -rf "$folder"
done
rm -rf "$files"
