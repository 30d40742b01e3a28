#!/usr/bin/env bash
# The Debian package CPack makes: its name, its dependencies (those Qt loads while running among them,
# and all of them to be had on this machine), its files; then installed by dpkg into a scratch root
# and the installed program started on a private X server.
#   debian-package.sh BUILD_FOLDER HELPERDIR
set -u
here=$(dirname "$(realpath "$0")")
source "$here/../e2e/lib.sh"
build=$1
helpers=$2
work=$(mktemp -d)

if ! (cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  rm -rf "$work"
  echo "FAIL: cpack"
  exit 1
fi
deb=$(ls "$work"/out/tintra_*.deb)
[ "$(basename "$deb")" = "tintra_1.6_$(dpkg --print-architecture).deb" ] || fail "package file $(basename "$deb")"
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libxcb1 libxcb-shm0 libxcb-damage0 libjpeg62-turbo libpipewire-0.3-0 \
               qt6-qpa-plugins qml6-module-qtwebengine qml6-module-qtquick qml6-module-qtqml-workerscript \
               fonts-arphic-uming fonts-noto-cjk; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done
# Every dependency is a package this machine's Debian has, at a version it has.
apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1 || fail "apt-get cannot install it: $(cat "$work/apt.log")"
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/tintra "./usr/$helpers/tintra_webengine.so" "./usr/$helpers/tintra_fetch" \
            ./usr/share/applications/app.tintra.Tintra.desktop ./usr/share/metainfo/app.tintra.Tintra.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/app.tintra.Tintra.svg ./usr/share/doc/tintra/copyright; do
  grep -qxF "$file" <<<"$files" || fail "the package lacks $file"
done
# Nothing to run as root when it is installed.
dpkg-deb -e "$deb" "$work/control"
scripts=$(ls "$work/control" | grep -vxE 'control|md5sums')
[ -z "$scripts" ] || fail "maintainer scripts: $scripts"

# dpkg into a root of its own, its dependencies coming from this machine; without root, unpacked.
root=$work/root
if [ "$(id -u)" = 0 ]; then
  mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
  touch "$root/var/lib/dpkg/status"
  dpkg --root="$root" --force-depends -i "$deb" >"$work/dpkg.log" 2>&1 || fail "dpkg -i: $(cat "$work/dpkg.log")"
  [ "$(dpkg --root="$root" -s tintra 2>/dev/null | sed -n 's/^Status: //p')" = "install ok installed" ] ||
    fail "dpkg does not count it installed"
else
  dpkg-deb -x "$deb" "$root"
fi

"$here/../e2e/with-xvfb.sh" --wm "$here/run-installed.sh" "$root/usr" "$helpers" || failures=$((failures + 1))

rm -rf "$work"
[ "$failures" = 0 ] && echo "PASS: the Debian package"
[ "$failures" = 0 ]
