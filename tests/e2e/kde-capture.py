#!/usr/bin/python3
"""An area of KWin's screen as KWin itself copies it, for comparing what a window shows at two moments.

  kde-capture.py X Y WIDTH HEIGHT [PPM]   prints a digest of the area's pixels; with PPM, writes them there too

KWin copies the screen only for the programs a desktop entry names for it (with-kde.sh names this one's
interpreter).
"""
import hashlib
import os
import sys

import dbus


def capture(x, y, width, height):
    bus = dbus.SessionBus()
    shooter = bus.get_object("org.kde.KWin", "/org/kde/KWin/ScreenShot2")
    reading, writing = os.pipe()
    info = shooter.CaptureArea(x, y, dbus.UInt32(width), dbus.UInt32(height), {"native-resolution": True},
                               dbus.types.UnixFd(writing), dbus_interface="org.kde.KWin.ScreenShot2")
    os.close(writing)
    data = bytearray()
    while chunk := os.read(reading, 1 << 20):
        data += chunk
    os.close(reading)
    columns, rows, stride = int(info["width"]), int(info["height"]), int(info["stride"])
    # Four bytes a pixel, blue first (QImage's 32-bit formats); the fourth byte is left out.
    pixels = bytearray()
    for row in range(rows):
        line = data[row * stride:row * stride + columns * 4]
        for column in range(0, columns * 4, 4):
            pixels += bytes((line[column + 2], line[column + 1], line[column]))
    return columns, rows, bytes(pixels)


if __name__ == "__main__":
    columns, rows, pixels = capture(*(int(a) for a in sys.argv[1:5]))
    if len(sys.argv) > 5:
        with open(sys.argv[5], "wb") as picture:
            picture.write(b"P6\n%d %d\n255\n" % (columns, rows) + pixels)
    print(hashlib.sha1(pixels).hexdigest())
