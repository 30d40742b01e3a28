#!/bin/bash
# The global hotkey on KDE Plasma, through the desktop portal's global shortcuts: the program binds its
# shortcut in a session of its own, and a press of Ctrl+Alt+Shift+C through KWin's fake input comes
# back as the portal's Activated signal, which the program takes as the hotkey (here the screen is not
# shared, so it says the screen cannot be read). Plasma 5.27's portal keeps no shortcut that
# BindShortcuts names (it opens System Settings' page for the user instead), so the key is given to the
# desktop's shortcut service as that page keeps it, under the session's name, before the program
# starts. Runs inside with-kde.sh with KDE_GLOBAL_SHORTCUTS=1.
#   kde-hotkey.sh PROGRAM
set -u
here=$(dirname "$0")
. "$here/lib.sh"
. "$here/kde-lib.sh"
program=$(install_program "$1")
folder=$(dirname "$program")
export QT_QPA_PLATFORM=wayland QT_LOGGING_RULES="tintra.picking.info=true;tintra.portal.info=true"
pid= monitor=
signals=$(mktemp)

finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$monitor" ] && kill "$monitor" 2>/dev/null
  rm -rf "$folder" "$signals"
}
trap finish EXIT

action="['tintra_hotkey','copy-colour','tintra_hotkey','复制鼠标所指的颜色']"
# The default combination is one that KWin's own shortcuts leave free.
[ "$(gdbus call --session --dest org.kde.kglobalaccel --object-path /kglobalaccel \
      --method org.kde.KGlobalAccel.isGlobalShortcutAvailable 234881091 '')" = "(true,)" ] ||
  fail "KWin holds Ctrl+Alt+Shift+C itself"
gdbus call --session --dest org.kde.kglobalaccel --object-path /kglobalaccel \
  --method org.kde.KGlobalAccel.doRegister "$action" >/dev/null || fail "no shortcut service on the desktop"
# Ctrl+Alt+Shift+C as Qt numbers it.
[ "$(gdbus call --session --dest org.kde.kglobalaccel --object-path /kglobalaccel \
      --method org.kde.KGlobalAccel.setShortcut "$action" "[$(((0x04000000 | 0x08000000 | 0x02000000) + 0x43))]" 6)" \
  = "([234881091],)" ] || fail "the shortcut service did not take Ctrl+Alt+Shift+C"

dbus-monitor --session "type='signal',interface='org.freedesktop.portal.GlobalShortcuts',member='Activated'" \
  >"$signals" 2>&1 &
monitor=$!
printf '[default]\r\nGlobalHotkey=1\r\n' >"$folder/default"
"$program" 2>>"$folder/stderr" &
pid=$!
wait_until 200 eval 'find_window; [ -n "$left" ]' || { echo "FAIL: no window within 20 s"; exit 1; }
wait_until 100 eval 'grep -q "the hotkey is bound" "$folder/stderr"' ||
  fail "the portal did not answer the binding: $(cat "$folder/stderr")"
grep -q 'preferred_trigger", QVariant(QString, "CTRL+ALT+SHIFT+c")' "$KDE_DESKTOP_LOG/portal-kde" ||
  fail "the portal was not given the combination as its preferred trigger"
# The screen-cast dialog of the start: no.
wait_until 100 eval '[ "$(portal_dialog | cut -d" " -f5)" = true ]' || fail "no dialog took the keyboard"
# Under load the dialog may be shown a moment before it reads its keys.
for _ in 1 2 3 4 5; do
  key 1
  wait_until 20 eval '[ -z "$(portal_dialog)" ]' && break
done
[ -z "$(portal_dialog)" ] || fail "Esc did not close the dialog"
point 150 200
refused=$(settled_hint_line)

kde_input keys 29 56 42 46 # left Ctrl, left Alt, left Shift, C
wait_until 50 eval 'grep -q "tintra_hotkey" "$signals"' || fail "the portal sent no Activated for the session"
grep -A1 'member=Activated' "$signals" | grep -q 'session/.*/tintra_hotkey"' || fail "Activated names another session"
grep -q 'string "copy-colour"' "$signals" || fail "Activated names another shortcut"
wait_until 50 eval 'grep -q "the global hotkey was pressed" "$folder/stderr"' || fail "the program did not take the press"
[ "$(settled_hint_line)" != "$refused" ] || fail "the hint line did not answer the press"

kill "$pid"
expect_exit_0 "ended by SIGTERM"
pid=
[ "$failures" = 0 ] && echo "PASS" || exit 1
