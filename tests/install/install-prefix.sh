#!/usr/bin/env bash
# cmake --install into a new prefix: the program, its module and helper, the desktop entry, the
# AppStream metadata and the icon at every size where a desktop looks for them; then the installed
# program started on a private X server.
#   install-prefix.sh BUILD_FOLDER HELPERDIR
set -u
here=$(dirname "$(realpath "$0")")
source "$here/../e2e/lib.sh"
build=$1
helpers=$2
prefix=$(mktemp -d)

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
  cat "$prefix.log"
  rm -rf "$prefix" "$prefix.log"
  echo "FAIL: cmake --install"
  exit 1
fi
rm -f "$prefix.log"

for file in bin/tintra "$helpers/tintra_webengine.so" "$helpers/tintra_fetch" \
            share/applications/app.tintra.Tintra.desktop share/metainfo/app.tintra.Tintra.metainfo.xml; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
[ -x "$prefix/bin/tintra" ] && [ -x "$prefix/$helpers/tintra_fetch" ] || fail "the program or its helper is not executable"
icons=$prefix/share/icons/hicolor
for size in 16 22 24 32 48 64 128 256; do
  kind=$(file -b "$icons/${size}x${size}/apps/app.tintra.Tintra.png")
  [[ $kind == "PNG image data, $size x $size, 8-bit/color RGBA"* ]] || fail "icon of $size: $kind"
done
kind=$(file -b "$icons/scalable/apps/app.tintra.Tintra.svg")
[[ $kind == SVG* ]] || fail "scalable icon: $kind"
# What the desktop entry names is there.
entry=$prefix/share/applications/app.tintra.Tintra.desktop
[ -x "$prefix/bin/$(sed -n 's/^Exec=//p' "$entry")" ] || fail "Exec= names no installed program"
[ -f "$icons/256x256/apps/$(sed -n 's/^Icon=//p' "$entry").png" ] || fail "Icon= names no installed icon"

"$here/../e2e/with-xvfb.sh" --wm "$here/run-installed.sh" "$prefix" "$helpers" || failures=$((failures + 1))

rm -rf "$prefix"
[ "$failures" = 0 ] && echo "PASS: installed into a prefix"
[ "$failures" = 0 ]
