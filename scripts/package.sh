#!/usr/bin/env bash
# Sets up this machine, builds the program in Release and makes its Debian package with CPack:
# build/release/tintra_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh package
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j2 --target tintra
(cd build/release && cpack -G DEB)
ls build/release/tintra_*.deb
