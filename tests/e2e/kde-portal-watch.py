#!/usr/bin/python3
"""The screen-cast portal's traffic on the session bus, as the tests read it.

  kde-portal-watch.py watch LOG     records every call of a program to the portal's ScreenCast and
                                    Session interfaces and every answer to them, one JSON object a
                                    line, until killed; prints "ready" once it listens
  kde-portal-watch.py starts LOG PID  one line for each Start the program PID asked, in order:
                                    "pending", or the answer's code, then for a yes the restore token
                                    ("-" for none) and each stream as NODE:WIDTHxHEIGHT@X,Y ("@-" where
                                    the portal gave no position)
  kde-portal-watch.py asked LOG PID METHOD KEY  the value of option KEY of each METHOD call of the
                                    program, one a line ("-" where it was not given)
  kde-portal-watch.py closes LOG PID  how many times the program closed a session

The watcher listens as a bus monitor, which sees what passes between others and says nothing.
"""
import json
import sys
import time

import dbus
import dbus.lowlevel
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

PORTAL = "org.freedesktop.portal"


def plain(value):
    """A D-Bus value as JSON: structs and arrays as lists, dicts as objects."""
    if isinstance(value, dict):
        return {str(k): plain(v) for k, v in value.items()}
    if isinstance(value, (list, tuple)):
        return [plain(v) for v in value]
    if isinstance(value, dbus.Boolean):
        return bool(value)
    if isinstance(value, (int, float)):
        return value
    return str(value)


def watch(log_path):
    DBusGMainLoop(set_as_default=True)
    # A second connection asks the bus which process a sender is; a monitor may send nothing.
    asker = dbus.SessionBus()
    monitor = dbus.bus.BusConnection(dbus.bus.BUS_SESSION)
    log = open(log_path, "a", buffering=1)
    pids = {}

    def pid_of(sender):
        if sender not in pids:
            try:
                pids[sender] = int(asker.call_blocking("org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                       "org.freedesktop.DBus", "GetConnectionUnixProcessID",
                                                       "s", (sender,)))
            except dbus.DBusException:
                pids[sender] = 0
        return pids[sender]

    def seen(connection, message):
        interface, member = message.get_interface(), message.get_member()
        args = message.get_args_list()
        event = None
        if isinstance(message, dbus.lowlevel.MethodCallMessage) and interface == PORTAL + ".ScreenCast":
            options = plain(args[-1]) if args and isinstance(args[-1], dict) else {}
            sender = message.get_sender()
            token = options.get("handle_token")
            request = None
            if token:
                request = "/org/freedesktop/portal/desktop/request/%s/%s" % (
                    sender[1:].replace(".", "_"), token)
            event = {"kind": "call", "member": member, "pid": pid_of(sender), "request": request,
                     "options": options}
        elif isinstance(message, dbus.lowlevel.MethodCallMessage) and interface == PORTAL + ".Session" \
                and member == "Close":
            event = {"kind": "close", "pid": pid_of(message.get_sender()), "session": message.get_path()}
        elif isinstance(message, dbus.lowlevel.SignalMessage) and interface == PORTAL + ".Request" \
                and member == "Response":
            event = {"kind": "response", "request": message.get_path(), "code": int(args[0]),
                     "results": plain(args[1])}
        if event:
            event["time"] = time.time()
            log.write(json.dumps(event) + "\n")
        return dbus.lowlevel.HANDLER_RESULT_HANDLED

    monitor.add_message_filter(seen)
    rules = ["type='method_call',interface='%s.ScreenCast'" % PORTAL,
             "type='method_call',interface='%s.Session',member='Close'" % PORTAL,
             "type='signal',interface='%s.Request',member='Response'" % PORTAL]
    monitor.call_blocking("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus.Monitoring",
                          "BecomeMonitor", "asu", (rules, 0))
    print("ready", flush=True)
    GLib.MainLoop().run()


def events(log_path):
    with open(log_path) as log:
        return [json.loads(line) for line in log if line.endswith("\n")]


def starts(log_path, pid):
    seen = events(log_path)
    answers = {e["request"]: e for e in seen if e["kind"] == "response"}
    for call in seen:
        if call["kind"] != "call" or call["member"] != "Start" or call["pid"] != pid:
            continue
        answer = answers.get(call["request"])
        if not answer:
            print("pending")
            continue
        words = [str(answer["code"])]
        if answer["code"] == 0:
            results = answer["results"]
            words.append(results.get("restore_token") or "-")
            for node, properties in results.get("streams", []):
                size = properties.get("size")
                position = properties.get("position")
                words.append("%d:%s@%s" % (node, "%dx%d" % tuple(size) if size else "-",
                                           "%d,%d" % tuple(position) if position else "-"))
        print(" ".join(words))


def asked(log_path, pid, method, key):
    for call in events(log_path):
        if call["kind"] == "call" and call["member"] == method and call["pid"] == pid:
            print(call["options"].get(key, "-"))


def closes(log_path, pid):
    print(sum(1 for e in events(log_path) if e["kind"] == "close" and e["pid"] == pid))


if __name__ == "__main__":
    command = sys.argv[1]
    if command == "watch":
        watch(sys.argv[2])
    elif command == "starts":
        starts(sys.argv[2], int(sys.argv[3]))
    elif command == "asked":
        asked(sys.argv[2], int(sys.argv[3]), sys.argv[4], sys.argv[5])
    elif command == "closes":
        closes(sys.argv[2], int(sys.argv[3]))
    else:
        sys.exit("unknown command " + command)
