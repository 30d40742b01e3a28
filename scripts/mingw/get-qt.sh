#!/usr/bin/env bash
# Makes a static Qt for Windows ready in FOLDER/qt6 and prints that path: unpacked from the archive in
# ../shared/qt6-mingw when there is one, otherwise built once from Debian's qt6-base source package
# (11 to 17 minutes on two cores) and kept for the next time.
#   scripts/mingw/get-qt.sh FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
folder=$(mkdir -p "$1" && cd "$1" && pwd)
qt="$folder/qt6"
archive="$here/../../../shared/qt6-mingw/qt6.4.2-mingw-w64-static.tar.zst"

if [ -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
  echo "$qt"
  exit 0
fi
rm -rf "$qt"

if [ -f "$archive" ]; then
  echo "get-qt: unpacking $(realpath "$archive")" >&2
  mkdir -p "$qt"
  tar --zstd -xf "$archive" -C "$qt" --strip-components=1
  echo "$qt"
  exit 0
fi

# Debian's source of the Qt the Linux build uses: apt needs a deb-src entry to hand it out.
source="$folder/qt-source"
mkdir -p "$source"
if ! ls "$source"/qt6-base_*.orig.tar.xz >/dev/null 2>&1; then
  if ! apt-cache showsrc qt6-base 2>/dev/null | grep -q '^Package: qt6-base'; then
    echo "get-qt: adding deb-src entries beside the deb ones, to fetch Qt's source" >&2
    as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        "${as_root[@]}" tee /etc/apt/sources.list.d/tintra-deb-src.sources >/dev/null
    else
      grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
        "${as_root[@]}" tee /etc/apt/sources.list.d/tintra-deb-src.list >/dev/null
    fi
    "${as_root[@]}" apt-get update -qq
  fi
  (cd "$source" && apt-get source --download-only -qq qt6-base)
fi
rm -rf "$source/tree"
mkdir -p "$source/tree"
tar -xf "$source"/qt6-base_*.orig.tar.xz -C "$source/tree" --strip-components=1

echo "get-qt: building Qt for Windows from $(basename "$source"/qt6-base_*.orig.tar.xz)" >&2
build="$folder/qt-build"
rm -rf "$build"
sh "$here/configure-qt.sh" "$source/tree" "$build" "$qt" >"$folder/qt-configure.log" 2>&1 ||
  { tail -n 40 "$folder/qt-configure.log" >&2; exit 1; }
cmake --build "$build" --parallel 2 >"$folder/qt-build.log" 2>&1 ||
  { tail -n 40 "$folder/qt-build.log" >&2; exit 1; }
cmake --install "$build" >/dev/null
rm -rf "$build" "$source/tree"
echo "$qt"
