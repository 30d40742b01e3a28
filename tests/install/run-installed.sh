#!/usr/bin/env bash
# The installed program as a user starts it from the menu, on a home of its own: its version with no
# display; its window under the class its desktop entry names; its browser module loaded from where
# the install put it; and its settings and lists kept in ~/.config/Tintra, nothing beside the program.
# Run inside with-xvfb.sh --wm.
#   run-installed.sh PREFIX HELPERDIR     (the program is PREFIX/bin/tintra, its module PREFIX/HELPERDIR)
set -u
source "$(dirname "$0")/../e2e/lib.sh"
prefix=$(realpath "$1")
program=$prefix/bin/tintra
module=$prefix/$2/tintra_webengine.so
entry=$prefix/share/applications/app.tintra.Tintra.desktop
HOME=$(mktemp -d)
export HOME
unset XDG_CONFIG_HOME

version=$(env -u DISPLAY "$program" --version)
[ "$version" = "tintra 1.6" ] || fail "--version: '$version'"

start_program "$program"
class=$(xprop -id "$window" WM_CLASS | sed 's/.*, "\(.*\)"$/\1/')
wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ "$class" = "$wanted" ] || fail "the window's class is '$class', the desktop entry says '$wanted'"

# The help button of the column opens the help page in the browser module.
click_column_button 190
loaded=no
for _ in $(seq 150); do
  grep -qF "$module" "/proc/$pid/maps" 2>/dev/null && loaded=yes && break
  sleep 0.2
done
[ "$loaded" = yes ] || fail "the module $module was not loaded: $(grep -o '/[^ ]*tintra_webengine[^ ]*' "/proc/$pid/maps" | sort -u)"

kill -TERM "$pid"
expect_exit_0 "ended by SIGTERM"
for name in default colors fav favcol; do
  [ -f "$HOME/.config/Tintra/$name" ] || fail "no $name in ~/.config/Tintra: $(ls -A "$HOME/.config/Tintra" 2>&1)"
done
beside=$(ls -A "$prefix/bin")
[ "$beside" = tintra ] || fail "files beside the installed program: $beside"

rm -rf "$HOME"
[ "$failures" = 0 ] && echo "PASS: the installed program"
[ "$failures" = 0 ]
