#!/usr/bin/python3
"""Walks the program's accessibility tree as a screen reader does, and acts through it.

accessibility.py PID LANGUAGE: every showing control has the name the table gives for LANGUAGE; the
history's rows are named by their colour's text; Tab reaches the controls in the window's order;
pressing a button through its action does what a click does; the colour under the pointer is told.
Run by accessibility.sh, with the screen's colour at #204060 and the pointer on the desktop.
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PID, LANGUAGE = int(sys.argv[1]), sys.argv[2]

# What a reader is told of each control of the main window, by the control's object name: its role, then
# for each language its name while picking is on and while it is off (None: not shown then).
CONTROLS = {
    "LbCurColor": ("label", {"zh": ("当前颜色", "当前颜色"), "en": ("Current colour", "Current colour")}),
    "LblQuilloURL": ("label", {"zh": ("tintra.app", "tintra.app"), "en": ("tintra.app", "tintra.app")}),
    "BtnColorPre": ("check box", {"zh": ("带颜色前缀", "带颜色前缀"), "en": ("With the colour prefix", "With the colour prefix")}),
    # A combo box is named by its value on this desktop; its text field says what it is for.
    "CbColorValType": ("combo box", {"zh": ("HTML", "HTML"), "en": ("HTML", "HTML")}),
    "CbColorValType.lineEdit": ("text", {"zh": ("取色的格式", "取色的格式"), "en": ("Format of the picked colour", "Format of the picked colour")}),
    "LbPasteType": ("list", {"zh": ("剪贴板内容", "剪贴板内容"), "en": ("Clipboard content", "Clipboard content")}),
    "BtnStartGetColor": ("push button", {"zh": ("停止取色", "开始取色"), "en": ("Stop picking", "Start picking")}),
    "BtnCopyColor": ("push button", {"zh": ("复制颜色", "复制颜色"), "en": ("Copy colour", "Copy colour")}),
    "BtnAddColorFav": ("push button", {"zh": ("收藏颜色", "收藏颜色"), "en": ("Add favourite", "Add favourite")}),
    "BtnOtherFun": ("push button", {"zh": ("其他功能", "其他功能"), "en": ("More", "More")}),
    "BtnSCHelpDoc": ("push button", {"zh": ("帮助文档", "帮助文档"), "en": ("Help", "Help")}),
    "BtnSCExit": ("push button", {"zh": ("退出", "退出"), "en": ("Exit", "Exit")}),
    "BtnAlwaysOnTop": ("check box", {"zh": ("总在最上方", "总在最上方"), "en": ("Keep on top", "Keep on top")}),
    "LbColors": ("list", {"zh": ("颜色列表", "颜色列表"), "en": ("Colour list", "Colour list")}),
    "LbFavColor": ("list", {"zh": ("颜色收藏列表", "颜色收藏列表"), "en": ("Favourite colours", "Favourite colours")}),
    "LblCurVal": ("text", {"zh": ("当前颜色值", "当前颜色值"), "en": ("Current colour value", "Current colour value")}),
    "BtnZoomout": ("push button", {"zh": ("缩小图片", None), "en": ("Zoom out", None)}),
    "BtnZoomIn": ("push button", {"zh": ("放大图片", None), "en": ("Zoom in", None)}),
    "LblZoomBei": ("label", {"zh": ("放大 2 倍", None), "en": ("Magnified 2 times", None)}),
    "ImgZoom": ("image", {"zh": ("放大镜，指针下的颜色 #204060", None), "en": ("Magnifier, colour under the pointer #204060", None)}),
    "SbR": ("scroll bar", {"zh": (None, "红"), "en": (None, "Red")}),
    "SbG": ("scroll bar", {"zh": (None, "绿"), "en": (None, "Green")}),
    "SbB": ("scroll bar", {"zh": (None, "蓝"), "en": (None, "Blue")}),
    # The bars' numbers, before anything set the bars.
    "LblR": ("label", {"zh": (None, "___"), "en": (None, "___")}),
    "LblG": ("label", {"zh": (None, "___"), "en": (None, "___")}),
    "LblB": ("label", {"zh": (None, "___"), "en": (None, "___")}),
}
# The order Tab goes in while picking is off, round to the start again.
TAB_ORDER = ["BtnColorPre", "CbColorValType", "LbPasteType", "BtnStartGetColor", "BtnCopyColor",
             "BtnAddColorFav", "BtnOtherFun", "BtnSCHelpDoc", "BtnSCExit", "BtnAlwaysOnTop", "LbColors",
             "LbFavColor", "LblCurVal", "SbR", "SbG", "SbB"]
MAGNIFIER_NAME_WITH = {"zh": "放大镜，指针下的颜色 %s", "en": "Magnifier, colour under the pointer %s"}
# Space, the window, the frame and list rows are not controls of their own.
NOT_CONTROLS = {"application", "filler", "panel", "list item", "frame", "window"}

failures = []


def fail(message):
    failures.append(message)
    print("FAIL:", message)


def wait_for(what, seconds=10):
    deadline = time.monotonic() + seconds
    while True:
        value = what()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.2)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == PID:
            return app
    return None


def showing(node):
    for child in node:
        if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield child
        yield from showing(child)


def controls(app):
    return [node for node in showing(app) if node.getRoleName() not in NOT_CONTROLS]


def find(app, role, name):
    for node in controls(app):
        if node.getRoleName() == role and node.name == name:
            return node
    return None


def expected(picking_on):
    """The object names shown in this state, with their role and name."""
    names = {}
    for object_name, (role, by_language) in CONTROLS.items():
        name = by_language[LANGUAGE][0 if picking_on else 1]
        if name is not None:
            names[object_name] = (role, name)
    return names


def object_name(node, picking_on):
    if node.getRoleName() == "list item":
        node = node.parent
    for key, (role, name) in expected(picking_on).items():
        if node.getRoleName() == role and node.name == name:
            return key
    return "%s %r" % (node.getRoleName(), node.name)


def check_names(app, picking_on):
    state = "while picking" if picking_on else "while not picking"
    shown = controls(app)
    print("%s: %d of %d showing controls have a name" % (state, sum(1 for n in shown if n.name), len(shown)))
    missing = dict(expected(picking_on))
    for node in shown:
        match = [key for key, (role, name) in missing.items() if (role, name) == (node.getRoleName(), node.name)]
        if match:
            del missing[match[0]]
        else:
            fail("%s a %s is named %r" % (state, node.getRoleName(), node.name))
    for key, (role, name) in missing.items():
        fail("%s no %s named %r (%s) shows" % (state, role, name, key))


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def control(app, key, picking_on):
    role, by_language = CONTROLS[key]
    name = by_language[LANGUAGE][0 if picking_on else 1]
    node = wait_for(lambda: find(app, role, name), 3)
    if node is None:
        fail("no %s named %r (%s) to act on" % (role, name, key))
    return node


def press(node):
    if node is not None:
        node.queryAction().doAction(0)


def clipboard():
    run = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True)
    return run.stdout


def listen(seconds):
    """Runs the event loop until a listener stops it, or for so many seconds."""
    timeout = GLib.timeout_add_seconds(seconds, pyatspi.Registry.stop)
    pyatspi.Registry.start()
    if GLib.MainContext.default().find_source_by_id(timeout):  # stopped by a listener
        GLib.source_remove(timeout)


def told_colour(app, colour):
    """Sets the screen's colour and listens for the magnifier's name to tell it."""
    heard = []

    def on_name(event):
        if event.source.getRoleName() == "image":
            heard.append(event.source.name)
            if event.source.name == MAGNIFIER_NAME_WITH[LANGUAGE] % colour:
                pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    subprocess.run(["xsetroot", "-solid", colour], check=True)
    listen(10)
    pyatspi.Registry.deregisterEventListener(on_name, "object:property-change:accessible-name")
    return heard


def tab_round(count):
    """Presses Tab count times and gives the control that took the focus at each press."""
    went = []

    def on_focus(event):
        if event.detail1 == 1:
            went.append(object_name(event.source, picking_on=False))
            pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    for _ in range(count):
        before = len(went)
        subprocess.run(["xdotool", "key", "--clearmodifiers", "Tab"], check=True)
        listen(3)
        if len(went) == before:
            went.append(None)
    pyatspi.Registry.deregisterEventListener(on_focus, "object:state-changed:focused")
    return went


def main():
    if LANGUAGE not in CONTROLS["BtnColorPre"][1]:
        sys.exit("no names for the language %r yet" % LANGUAGE)
    app = wait_for(application, 20)
    if app is None:
        sys.exit("FAIL: the program is not on the accessibility bus")
    # The value field, found by what it shows once the program picked the screen's colour.
    shows = lambda: [node for node in controls(app) if node.getRoleName() == "text" and text_of(node) == "#204060"]
    field = (wait_for(shows) or [None])[0]
    if field is None:
        sys.exit("FAIL: the value field never showed #204060")
    wait_for(lambda: find(app, *expected(True)["ImgZoom"]), 3)
    check_names(app, picking_on=True)
    history = control(app, "LbColors", picking_on=True)
    rows = [row.name for row in history] if history else []
    if rows != ["#204060"]:
        fail("the history's rows are named %r" % rows)

    # The colour under the pointer, told by the magnifier's name.
    heard = told_colour(app, "#FF8000")
    if MAGNIFIER_NAME_WITH[LANGUAGE] % "#FF8000" not in heard:
        fail("the magnifier told %r, not #FF8000" % heard)

    # Pressed through their actions, the buttons do what a click does.
    press(control(app, "BtnCopyColor", picking_on=True))
    if not wait_for(lambda: clipboard() == "#FF8000"):
        fail("after the copy button's action the clipboard holds %r" % clipboard())
    prefix = control(app, "BtnColorPre", picking_on=True)
    if prefix is not None:
        if not prefix.getState().contains(pyatspi.STATE_CHECKED):
            fail("the prefix box is not ticked while the prefix is on")
        press(prefix)
        if wait_for(lambda: not prefix.getState().contains(pyatspi.STATE_CHECKED)) is False:
            fail("the prefix box stays ticked after its action")
        press(control(app, "BtnCopyColor", picking_on=True))
        if not wait_for(lambda: clipboard() == "FF8000"):
            fail("with the prefix box's action the copy is %r" % clipboard())
        press(prefix)
    press(control(app, "BtnStartGetColor", picking_on=True))
    # Picking is off: the button offers to start again, and the adjuster shows.
    control(app, "BtnStartGetColor", picking_on=False)
    control(app, "SbR", picking_on=False)
    check_names(app, picking_on=False)

    # Tab, from wherever the focus is, goes round the controls in the window's order.
    went = tab_round(len(TAB_ORDER))
    start = TAB_ORDER.index(went[0]) if went[0] in TAB_ORDER else 0
    if went != TAB_ORDER[start:] + TAB_ORDER[:start]:
        fail("Tab goes %s" % " → ".join(map(str, went)))

    sys.exit(1 if failures else 0)


main()
