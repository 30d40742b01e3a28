#!/usr/bin/env bash
# Sets up this machine, builds the program in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j2 --target tintra
bash scripts/check-display.sh
exec build/release/tintra
