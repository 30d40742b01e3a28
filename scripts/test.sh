#!/usr/bin/env bash
# Sets up this machine, builds the program with its tests and benchmarks, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTRA_BUILD_TESTS=ON -DTINTRA_BUILD_BENCH=ON >/dev/null
cmake --build build/test -j2
cd build/test
ctest --output-on-failure -j2 --timeout 600
