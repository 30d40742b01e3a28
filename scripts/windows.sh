#!/usr/bin/env bash
# Cross-builds the Windows program, build/windows/release/tintra.exe: one static file with the pictures
# and the help page inside. With "test", builds it with the tests under build/windows/test instead and
# runs them under Wine on a private X server.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=release
setup=windows
if [ "${1:-}" = test ]; then
  mode=test
  setup=windows-test
fi
bash scripts/setup.sh "$setup"
qt=$(bash scripts/mingw/get-qt.sh build/windows)

options=(-DCMAKE_BUILD_TYPE=Release)
[ "$mode" = test ] && options+=(-DTINTRA_BUILD_TESTS=ON)
cmake -G Ninja -S . -B "build/windows/$mode" -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/scripts/mingw/mingw-posix.cmake" "${options[@]}" >/dev/null
cmake --build "build/windows/$mode" -j2
if [ "$mode" = test ]; then
  (cd build/windows/test && ctest --output-on-failure --timeout 600)
else
  echo "built: build/windows/release/tintra.exe"
fi
