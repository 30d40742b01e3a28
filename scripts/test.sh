#!/usr/bin/env bash
# Sets up this machine, builds the program with its tests and benchmarks, and runs every test; then
# the Windows program and its tests under Wine, where the cross-compiler and Wine are installed (in CI
# they are); then the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and each
# fuzz target for 30 s.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh test
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTRA_BUILD_TESTS=ON -DTINTRA_BUILD_BENCH=ON >/dev/null
cmake --build build/test -j2
(cd build/test && ctest --output-on-failure -j2 --timeout 600)

if command -v x86_64-w64-mingw32-g++-posix >/dev/null && command -v wine >/dev/null; then
  bash scripts/windows.sh test
else
  echo "test: no MinGW cross-compiler or Wine here, so the Windows program is not built (see README)"
fi

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTRA_BUILD_TESTS=ON -DTINTRA_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j2 --target tintra_core_tests tintra_ui_tests tintra_command_line_tests
(cd build/sanitize && ctest --output-on-failure -j2 --timeout 600 -E '^(e2e|x11|install|portal)\.|_NOT_BUILT')

bash scripts/fuzz.sh 30
