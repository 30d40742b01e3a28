#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on) and runs
# each for the given seconds (default 30), starting from the checked-in seed corpus. Any finding
# fails the run and leaves its input in build/fuzz/findings/.
#   bash scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTRA_FUZZ=ON \
  -DTINTRA_SANITIZE=ON >/dev/null
targets=(SettingsFile ListFile FavouritesPair ColorText GimpPalette)
cmake --build build/fuzz -j2 --target "${targets[@]/#/fuzz_}"
corpora=(settings list pair color palette)
mkdir -p build/fuzz/findings
for i in "${!targets[@]}"; do
  work=$(mktemp -d)
  cp tests/fuzz/corpus/"${corpora[$i]}"/* "$work/"
  echo "fuzz_${targets[$i]}: $seconds s"
  status=0
  build/fuzz/tests/fuzz/"fuzz_${targets[$i]}" -max_total_time="$seconds" \
    -artifact_prefix=build/fuzz/findings/"${targets[$i]}"- "$work" >"$work.log" 2>&1 || status=$?
  grep -E '^(Done|==[0-9]+==|SUMMARY)' "$work.log" || true
  if [ "$status" != 0 ]; then
    tail -n 40 "$work.log"
    echo "fuzz_${targets[$i]} found a failing input: see build/fuzz/findings/"
  fi
  rm -rf "$work" "$work.log"
  [ "$status" = 0 ] || exit 1
done
