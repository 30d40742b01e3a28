# Shared by the scripts that run on the headless GNOME desktop of with-gnome.sh; sourced, not run.
# The desktop's remote control (gnome-remote.py) takes a command on file descriptor 7 and answers it on 8.

# One command to the remote control; fails, saying why, unless it answers "ok".
remote() {
  local answer=
  echo "$*" >&7
  read -r -t 30 answer <&8
  [ "$answer" = ok ] && return 0
  echo "the desktop's remote control, at \"$*\": ${answer:-no answer}" >&2
  return 1
}
# Moves the pointer to a point of the monitor.
point() { remote move "$1" "$2"; }
# A left click where the pointer is. GTK takes no press that comes straight after a motion.
click() {
  sleep 0.2
  remote click
}
# Presses keys together, by their keysyms (0xff1b Esc, 0xff0d Return).
press_keys() { remote key "$@"; }

# The monitor's picture, 1280 by 720, raw RGB row after row.
shot_file=$XDG_RUNTIME_DIR/shot.rgb
take_shot() { remote shot "$shot_file"; }
# The colour of a point in the last picture, "RRGGBB".
shot_pixel() {
  od -A n -t x1 -j $((($2 * 1280 + $1) * 3)) -N 3 "$shot_file" | tr -d ' \n' | tr a-f A-F
  echo
}
# Whether every point of the last picture has its colour: shot_shows X,Y=RRGGBB...
shot_shows() {
  local each xy
  for each in "$@"; do
    xy=${each%=*}
    [ "$(shot_pixel "${xy%,*}" "${xy#*,}")" = "${each#*=}" ] || return 1
  done
}
# What the last picture has at the points: "X,Y=RRGGBB ...".
shot_says() {
  local each xy said=()
  for each in "$@"; do
    xy=${each%=*}
    said+=("$xy=$(shot_pixel "${xy%,*}" "${xy#*,}")")
  done
  echo "${said[*]}"
}
# Waits up to SECONDS for the screen to show the colours: wait_for_screen SECONDS X,Y=RRGGBB...
wait_for_screen() {
  local deadline=$((SECONDS + $1))
  shift
  while :; do
    take_shot && shot_shows "$@" && return 0
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.2
  done
}

# Stores a screen share of the monitor under TOKEN in the portal's permission store, for programs
# started outside any sandbox, as GNOME's portal keeps it once a person has shared the monitor with
# "Remember this selection" ticked: which monitor (vendor, product, serial), when the share was made and
# last used (microseconds since 1970).
seed_share() {
  local now
  now=$(date +%s%6N)
  /usr/bin/python3 "$GNOME_REMOTE_PROGRAM" seed "$1" \
    "('GNOME', uint32 1, <(int64 $now, int64 $now, [(uint32 0, uint32 1, <'MetaVendor:MetaVirtualMonitor:0x00'>)])>)"
}
# What the permission store keeps for a screen share, as gdbus prints it; nothing where it keeps none.
stored_share() { /usr/bin/python3 "$GNOME_REMOTE_PROGRAM" lookup "$1" 2>/dev/null; }
