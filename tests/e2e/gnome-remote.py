#!/usr/bin/python3
# A person's hands and eyes on the headless GNOME desktop, through the compositor's own remote-desktop
# and screen-cast services on the session bus.
#   gnome-remote.py           reads commands, a line each, and answers each with "ok" (or "error ...")
#                             once done; prints "ready" first, once the pointer can be moved:
#     move X Y                the pointer to X, Y of the monitor
#     click [BUTTON]          press and release a button (272 the left one, 273 the right one)
#     key KEYSYM...           press the keys, in order, then release them in reverse (a chord)
#     shot FILE               the monitor's picture as raw RGB, row after row, into FILE
#   gnome-remote.py seed TOKEN DATA
#                             stores a screen share under TOKEN in the portal's permission store,
#                             DATA being the store's text form of what the desktop keeps for it
#   gnome-remote.py lookup TOKEN
#                             prints what the permission store keeps under TOKEN
#   gnome-remote.py wait NAME...
#                             waits up to 10 s for each bus name to be owned
import os
import subprocess
import sys
import time

import dbus
import dbus.mainloop.glib
from gi.repository import GLib

RD = "org.gnome.Mutter.RemoteDesktop"
SC = "org.gnome.Mutter.ScreenCast"
STORE = "org.freedesktop.impl.portal.PermissionStore"
STORE_PATH = "/org/freedesktop/impl/portal/PermissionStore"

WIDTH, HEIGHT = 1280, 720


def wait_names(bus, names):
    for name in names:
        for _ in range(200):
            if bus.name_has_owner(name):
                break
            time.sleep(0.05)
        else:
            print("not on the bus: " + name, file=sys.stderr)
            return 1
    return 0


def seed(token, data):
    # The store keeps a GVariant of the desktop's own type, which dbus-python cannot pass: gdbus takes
    # it in its text form, checked here first.
    value = GLib.Variant.parse(None, data, None, None)
    return subprocess.run(["gdbus", "call", "--session", "--dest", STORE, "--object-path", STORE_PATH,
                           "--method", STORE + ".Set", "screencast", "true", token, "{'': ['yes']}",
                           "<" + value.print_(True) + ">"], stdout=subprocess.DEVNULL).returncode


def lookup(token):
    return subprocess.run(["gdbus", "call", "--session", "--dest", STORE, "--object-path", STORE_PATH,
                           "--method", STORE + ".Lookup", "screencast", token]).returncode


class Hands:
    def __init__(self, bus):
        self.bus = bus
        rd = dbus.Interface(bus.get_object(RD, "/org/gnome/Mutter/RemoteDesktop"), RD)
        path = rd.CreateSession()
        self.session = dbus.Interface(bus.get_object(RD, path), RD + ".Session")
        session_id = bus.get_object(RD, path).Get(RD + ".Session", "SessionId",
                                                   dbus_interface="org.freedesktop.DBus.Properties")
        sc = dbus.Interface(bus.get_object(SC, "/org/gnome/Mutter/ScreenCast"), SC)
        cast_path = sc.CreateSession({"remote-desktop-session-id": session_id})
        cast = dbus.Interface(bus.get_object(SC, cast_path), SC + ".Session")
        # The pictures leave the pointer out: they show what lies under it.
        self.stream = cast.RecordMonitor("", {"cursor-mode": dbus.UInt32(0)})
        self.node = None
        bus.add_signal_receiver(self.stream_added, "PipeWireStreamAdded", SC + ".Stream", SC, self.stream)
        self.session.Start()

    def stream_added(self, node):
        self.node = int(node)

    def run(self, words):
        if words[0] == "move":
            self.session.NotifyPointerMotionAbsolute(self.stream, float(words[1]), float(words[2]))
        elif words[0] == "click":
            button = int(words[1]) if len(words) > 1 else 272
            self.session.NotifyPointerButton(button, True)
            self.session.NotifyPointerButton(button, False)
        elif words[0] == "key":
            syms = [int(w, 0) for w in words[1:]]
            for sym in syms:
                self.session.NotifyKeyboardKeysym(dbus.UInt32(sym), True)
            for sym in reversed(syms):
                self.session.NotifyKeyboardKeysym(dbus.UInt32(sym), False)
        elif words[0] == "shot":
            return self.shot(words[1])
        else:
            return "error unknown command " + words[0]
        return "ok"

    def shot(self, path):
        if self.node is None:
            return "error no stream"
        # The compositor sends a frame to each new consumer of the cast; the pointer is never moved for
        # one, since the program under test may be reading where it is.
        process = subprocess.Popen(
            ["gst-launch-1.0", "-q", "pipewiresrc", "path=%d" % self.node, "always-copy=true", "num-buffers=1",
             "!", "videoconvert", "!", "video/x-raw,format=RGB,width=%d,height=%d" % (WIDTH, HEIGHT),
             "!", "filesink", "location=" + path],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        for _ in range(100):
            if process.poll() is not None:
                break
            time.sleep(0.05)
        if process.poll() is None:
            process.kill()
            process.wait()
            return "error no frame"
        if process.returncode != 0 or os.path.getsize(path) != WIDTH * HEIGHT * 3:
            return "error " + process.stderr.read().decode(errors="replace").strip()
        return "ok"


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    if len(sys.argv) > 1:
        if sys.argv[1] == "wait":
            return wait_names(bus, sys.argv[2:])
        if sys.argv[1] == "seed":
            return seed(sys.argv[2], sys.argv[3])
        if sys.argv[1] == "lookup":
            return lookup(sys.argv[2])
        print("unknown command", file=sys.stderr)
        return 2

    hands = Hands(bus)
    loop = GLib.MainLoop()
    context = loop.get_context()
    for _ in range(200):
        if hands.node is not None:
            break
        context.iteration(False) or time.sleep(0.01)
    if hands.node is None:
        print("error: the compositor gave no stream", file=sys.stderr)
        return 1
    # The first key of the new keyboard goes nowhere; a Shift is spent on it.
    hands.run(["key", "0xffe1"])
    print("ready", flush=True)

    pending = b""

    def line_in(channel, condition):
        nonlocal pending
        chunk = os.read(0, 4096)
        if not chunk:
            loop.quit()
            return False
        pending += chunk
        while b"\n" in pending:
            line, pending = pending.split(b"\n", 1)
            words = line.decode().split()
            if words:
                try:
                    answer = hands.run(words)
                except dbus.DBusException as error:
                    answer = "error " + error.get_dbus_message()
                print(answer, flush=True)
        return True

    GLib.io_add_watch(0, GLib.IO_IN | GLib.IO_HUP, line_in)
    loop.run()
    return 0


if __name__ == "__main__":
    sys.exit(main())
