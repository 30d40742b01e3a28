#!/usr/bin/env bash
# Installs the Debian packages that building (and, with "package", packaging; with "test", testing) the
# program needs and that this machine lacks; with "windows" those that cross-building the Windows
# program needs, with "windows-test" those that testing it under Wine needs too. In CI (CI=true) "test"
# includes "windows-test". Uses sudo when not run as root.
set -euo pipefail

packages=(cmake make g++ pkg-config libxcb1-dev libxcb-shm0-dev libxcb-damage0-dev libxcb-xfixes0-dev qt6-base-dev qt6-declarative-dev qt6-webengine-dev
          qml6-module-qtwebengine qml6-module-qtquick qml6-module-qtqml-workerscript qt6-translations-l10n
          qt6-l10n-tools qt6-tools-dev
          libjpeg-dev libpipewire-0.3-dev fonts-noto-cjk fonts-arphic-uming fonts-arphic-gbsn00lp fonts-texgyre fonts-liberation2
          x11-utils libwayland-dev wayland-protocols qt6-wayland qt6-base-private-dev libxkbcommon-dev)
# CPack's Debian packages find their dependencies with dpkg-shlibdeps, and their files with file.
if [ "${1:-}" = "package" ] || [ "${1:-}" = "test" ]; then
  packages+=(dpkg-dev file)
fi
if [ "${1:-}" = "test" ]; then
  packages+=(libgtest-dev libbenchmark-dev xvfb xdotool xclip openbox wmctrl x11-xserver-utils clang libclang-rt-14-dev
             xserver-xorg-core xserver-xorg-video-dummy sway swaybg grim wtype wl-clipboard dbus-daemon python3
             pipewire pipewire-bin dbus desktop-file-utils appstream
             kwin-wayland xdg-desktop-portal xdg-desktop-portal-kde plasma-workspace qml-module-org-kde-kirigami2
             qml-module-org-kde-pipewire qtwayland5 plasma-wayland-protocols wireplumber python3-dbus python3-gi
             libglib2.0-bin x11-apps at-spi2-core python3-pyatspi locales)
  # The headless GNOME desktop, its portal, and the screen cast its tests look through.
  packages+=(mutter xwayland xdg-desktop-portal xdg-desktop-portal-gnome wireplumber python3-dbus python3-gi
             libglib2.0-bin gstreamer1.0-tools gstreamer1.0-plugins-base gstreamer1.0-pipewire)
fi

windows=(cmake ninja-build zstd xz-utils qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev g++-mingw-w64-x86-64-posix
         gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64)
windows_test=(wine64 wine libgtest-dev locales xvfb xdotool openbox wmctrl x11-xserver-utils)
case "${1:-}" in
  windows) packages=("${windows[@]}") ;;
  windows-test) packages=("${windows[@]}" "${windows_test[@]}") ;;
  test) if [ "${CI:-}" = true ]; then packages+=("${windows[@]}" "${windows_test[@]}"); fi ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
# The language tests read an English desktop's settings.
english_locale=false
if [ "${1:-}" = "test" ] && ! locale -a 2>/dev/null | grep -qi '^en_US\.utf-\?8$'; then
  english_locale=true
fi
[ ${#missing[@]} -eq 0 ] && [ "$english_locale" = false ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "setup: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ "$english_locale" = true ]; then
  echo "Generating the locale en_US.UTF-8"
  "${as_root[@]}" sed -i 's/^# *\(en_US\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^en_US\.UTF-8 UTF-8' /etc/locale.gen || echo 'en_US.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen >/dev/null
  "${as_root[@]}" locale-gen >/dev/null
fi
