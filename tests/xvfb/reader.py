#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Quendrel calculators team
# SPDX-License-Identifier: GPL-3.0-or-later
# Both calculators heard from outside, as a screen reader hears them, on the buses of
# `session.sh --accessibility`: AT-SPI places the window where X11 has it and every control
# inside it, at whatever QT_SCALE_FACTOR says, and each control takes a click 2 px inside a
# corner of the box AT-SPI gives it; each character typed lies inside its field, where AT-SPI
# finds it again; the menus of a field and of a result lie where X11 has them, their items
# inside. The window tells of its activation, each field of its focus and of the figures typed
# into it, the button of the focus Tab gives it, a menu of its item Down moves to; on calculate,
# every result tells of its new text and a notification shows what screen readers speak; on
# clear, every result tells of its text going. Each step waits for what it leads to. With
# --locale, the programs run under that C library locale, found in LOCPATH.
# usage: reader.py [--locale LOCPATH NAME] SAVECALC LOANCALC
import os, re, subprocess, sys, time

import pyatspi
from gi.repository import GLib

# Title; the fields by accessible name and what is typed into each; the calculate and clear
# buttons; the results by accessible name, with what each shows; the notification the
# calculation shows.
RUNS = [
    ("Quendrel", [("每月存款额", "1000"), ("银行年利率", "2.25"), ("存入期数", "12")], "计算", "清空", {"本利和": "12146.25元"}, "本利和：12146.25元"),
    ("Maribosk", [("贷款金额(万元)", "20"), ("贷款期(单位：月)", "60"), ("偿还次数", "12"), ("月利率(%)", "0.465")], "确认", "清除",
     {"每隔几个月偿还一次": " 5", "每次偿还金额": " 1.931692", "偿还总额": "23.1803"},
     "每隔 5 月偿还一次，每次偿还金额为 1.931692 万元。偿还总额为 23.1803 万元。"),
]


def check(what, expected, actual):
    if expected != actual:
        sys.exit(f"FAIL: {what}: expected {expected!r}, got {actual!r}")
    print(f"ok: {what}: {actual!r}")


# One limit for the whole run, however loaded the machine; every step waits for what it needs.
START = time.monotonic()
DEADLINE = START + 150


# Lets AT-SPI's events arrive until ready() holds; False if the run's time is up first.
def settle(ready):
    loop = GLib.MainLoop()

    def poll():
        if ready() or time.monotonic() > DEADLINE:
            loop.quit()
            return False
        return True
    GLib.timeout_add(50, poll)
    loop.run()
    return ready()


# Runs xdotool, then lets AT-SPI's events arrive until `until()` holds; fails the run if it
# never does and what was awaited is named.
def xdotool(*args, until=lambda: True, awaited=None):
    GLib.idle_add(lambda: subprocess.run(["xdotool", *map(str, args)], check=True) and False)
    settle(until) or awaited is None or sys.exit(f"FAIL: {awaited} in {DEADLINE - START:.0f} s; heard: {[event[:2] for event in heard[-12:]]}")


def accessible_window(title):
    return next((w for app in pyatspi.Registry.getDesktop(0) if app for w in app if w and w.name == title), None)


def extents(accessible):
    e = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def inside(box, within, by=0):
    (x, y, w, h), (left, top, width, height) = box, within
    return left - by <= x and x + w <= left + width + by and top - by <= y and y + h <= top + height + by


# What AT-SPI places otherwise than X11 of a window or menu: itself by more than 2 px, or a
# control or item outside it.
def misplaced(frame, window):
    if frame is None:
        return ["none shown"]
    x11 = tuple(map(int, re.findall(r"(?:Absolute upper-left [XY]|Width|Height): +(-?\d+)", subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout)))
    wrong = [f"{frame.getRoleName()} at {extents(frame)}, X11 {x11}"] if max(abs(a - b) for a, b in zip(extents(frame), x11)) > 2 else []
    for accessible in pyatspi.utils.findAllDescendants(frame, lambda a: True):
        if extents(accessible)[2] and not inside(extents(accessible), x11, 2):
            wrong.append(f"{accessible.getRoleName()} {accessible.name} at {extents(accessible)}, outside {x11}")
    return wrong


# What AT-SPI tells of a field's characters otherwise than where they are drawn: a character's
# box outside the field's, or a point a quarter into the box not found to be that character.
def misread(field):
    text, wrong = field.queryText(), []
    for i in range(text.characterCount):
        x, y, w, h = box = tuple(text.getCharacterExtents(i, pyatspi.DESKTOP_COORDS))
        found = text.getOffsetAtPoint(x + w // 4, y + h // 2, pyatspi.DESKTOP_COORDS)
        if not inside(box, extents(field)) or found != i:
            wrong.append(f"{field.name}[{i}] at {box}, in {extents(field)}, found as [{found}]")
    return wrong


def control(title, name, role):
    found = pyatspi.utils.findDescendant(accessible_window(title), lambda a: a.name == name and a.getRoleName() == role)
    return found or sys.exit(f"FAIL: no {role} {name} in {title}")


# A point 2 px inside the box AT-SPI gives the control of that name and role, on the desktop,
# at its top left or its bottom right corner: one of them misses the control wherever the box
# is more than 2 px out.
def corner(title, name, role, bottom_right=False):
    x, y, w, h = extents(control(title, name, role))
    return (x + w - 3, y + h - 3) if bottom_right else (x + 2, y + 2)


heard = []  # the events that came, as (type, name, role, detail1, any_data, source)


def main():
    def listen(e):
        try:
            heard.append((e.type, e.source.name, e.source.getRoleName(), e.detail1, e.any_data, e.source))
        except GLib.Error:  # from a program that has ended
            pass
    for event in ("window:activate", "object:text-changed", "object:state-changed:showing", "object:state-changed:focused"):
        pyatspi.Registry.registerEventListener(listen, event)
    told = lambda kind: {name for event, name, *_ in heard if event.endswith(kind)}
    inserted = lambda control: "".join(data for event, name, _, _, data, _ in heard if event.endswith("insert") and name == control)
    focused = lambda control: ("object:state-changed:focused", control, 1) in [(event, name, on) for event, name, _, on, *_ in heard]
    item = lambda: next((source for event, _, role, on, _, source in heard if event.endswith("focused") and role == "menu item" and on), None)
    locale, programs = {}, sys.argv[1:]
    if programs[0] == "--locale":
        locale, programs = {"LOCPATH": programs[1], "LC_ALL": programs[2]}, programs[3:]
    for path, (title, inputs, calculate, clear, after, said) in zip(programs, RUNS):
        program = os.path.basename(path)
        heard.clear()
        # Qt's accessibility bridge keeps a copy of each key it passes on to screen readers until
        # they answer, and the close key's copy is still held as the program exits: under the
        # sanitizers, the programs' exit is not checked for leaks here.
        running = subprocess.Popen([path], stderr=subprocess.DEVNULL,
                                   env=dict(os.environ, **locale, ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":detect_leaks=0"))
        settle(lambda: ("window:activate", title) in [event[:2] for event in heard]) or sys.exit(f"FAIL: the window {title} told of no activation")
        window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], capture_output=True, text=True).stdout.split()[:1]
        window or sys.exit(f"FAIL: no X window shown titled {title}")
        scale = os.environ.get("QT_SCALE_FACTOR", "1")
        settle(lambda: not misplaced(accessible_window(title), window[0]))
        check(f"{program}'s controls AT-SPI places otherwise than X11 at {scale} x", [], misplaced(accessible_window(title), window[0]))
        for name, text in inputs:
            xdotool("mousemove", *corner(title, name, "text", bottom_right=True), "click", 1, "type", text,
                    until=lambda: focused(name) and inserted(name) == text, awaited=f"{name} did not tell of its focus and {text!r} typed into it")
        check(f"{program}'s characters AT-SPI places otherwise than drawn at {scale} x", [], [w for name, _ in inputs for w in misread(control(title, name, "text"))])
        # Tab leads from the last field to the button that calculates.
        xdotool("key", "Tab", until=lambda: focused(calculate), awaited=f"{calculate} did not tell of the focus Tab gave it")
        heard.clear()
        shown = lambda: ("object:state-changed:showing", said, "notification", 1) in [event[:4] for event in heard]
        xdotool("mousemove", *corner(title, calculate, "push button"), "click", 1, until=lambda: after.keys() <= told("insert") and shown(),
                awaited=f"the results of {title} not told to screen readers, or no notification {said!r}")
        check(f"{program}'s results as they told screen readers of them", after, {name: inserted(name) for name in after})
        check(f"{program}'s results told as changed from other than their start", [],
              [name for event, name, _, at, *_ in heard if event.endswith("insert") and name in after and at != 0])
        # The menus of the first field and the first result, each the program's one X window besides its own.
        popups = lambda: [shown for shown in subprocess.run(["xdotool", "search", "--onlyvisible", "--class", program], capture_output=True,
                                                              text=True).stdout.split() if shown != window[0]]
        for name, role in ((inputs[0][0], "text"), (next(iter(after)), "label")):
            heard.clear()
            xdotool("mousemove", *corner(title, name, role), "click", 3, awaited=f"no menu shown for {name}",
                    until=lambda: ("object:state-changed:showing", "", "popup menu", 1) in [event[:4] for event in heard])
            xdotool("key", "Down", until=item, awaited=f"no item of {name}'s menu told of the focus Down gave it")
            check(f"{program}'s {name} menu AT-SPI places otherwise than X11 at {scale} x", [],
                  misplaced(item().parent, popups()[0]) if len(popups()) == 1 else popups())
            xdotool("key", "Escape", until=lambda: not popups(), awaited=f"{name}'s menu did not close on Escape")
        heard.clear()
        xdotool("mousemove", *corner(title, clear, "push button"), "click", 1, until=lambda: after.keys() <= told("delete"))
        check(f"{program}'s results that told them of clear", set(after), told("delete") & set(after))
        # The desktop's quit key ends one program and its close key the other, as the close box would.
        key = "ctrl+q" if program == "savecalc" else "ctrl+w"
        xdotool("key", key, until=lambda: running.poll() is not None, awaited=f"{program} did not end on {key}")
        check(f"{program}'s status after {key}", 0, running.returncode)


if __name__ == "__main__":
    main()
