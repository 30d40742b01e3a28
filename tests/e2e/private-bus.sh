# Shared by the scripts that start a desktop of their own; sourced, not run.

# Starts a session bus that starts nothing by itself, so that everything on it is started, and stopped,
# by the script: its process id goes into pids, and DBUS_SESSION_BUS_ADDRESS names it.
#   start_private_bus FOLDER LOG
start_private_bus() {
  cat >"$1/bus.conf" <<CONFIG
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:path=$1/bus</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONFIG
  dbus-daemon --config-file="$1/bus.conf" --nofork --nopidfile >"$2" 2>&1 &
  pids+=($!)
  export DBUS_SESSION_BUS_ADDRESS=unix:path=$1/bus
  for _ in $(seq 100); do [ -S "$1/bus" ] && break; sleep 0.05; done
}
