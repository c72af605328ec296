#!/usr/bin/python3
"""Reads a calculator's results through AT-SPI, from outside the program, as a screen
reader does, before and after a calculation and after clear, and listens for what a
calculation sends. Uses Debian's python3-pyatspi on the caller's session and
accessibility buses. usage: screen_reader.py savecalc|loancalc WINDOW-ID"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WINDOWS = {
    "savecalc": {
        "results": ["本利和"],
        "inputs": [((184, 88), "1000"), ((184, 128), "2.25"), ((184, 168), "12")],
        "calculate": (160, 260), "clear": (232, 260),
        "after": ["12146.25元"],
        "said": "本利和：12146.25元",
    },
    "loancalc": {
        "results": ["每隔几个月偿还一次", "每次偿还金额", "偿还总额"],
        "inputs": [((190, 50), "20"), ((190, 90), "60"), ((190, 125), "12"), ((190, 163), "0.465")],
        "calculate": (297, 227), "clear": (351, 227),
        "after": [" 5", " 1.931692", "23.1803"],
        "said": "每隔 5 月偿还一次，每次偿还金额为 1.931692 万元。偿还总额为 23.1803 万元。",
    },
}


def find_application(name):
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    sys.exit(f"FAIL: {name} is not on the accessibility bus")


def results_of(app, names):
    found = {}
    def walk(node):
        for child in node:
            if child.getRoleName() == "label" and child.name in names:
                text = child.queryText()
                found[child.name] = text.getText(0, text.characterCount)
            walk(child)
    walk(app)
    return [found.get(name) for name in names]


def check(what, expected, actual):
    if expected != actual:
        sys.exit(f"FAIL: {what}: expected {expected!r}, got {actual!r}")
    print(f"ok: {what}: {actual!r}")


def xdotool(window, *steps):
    for (x, y), text in steps:
        subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1"], check=True)
        if text:
            subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def main():
    program, window = sys.argv[1], sys.argv[2]
    run = WINDOWS[program]
    app = find_application(program)
    check("results before a calculation", [""] * len(run["results"]), results_of(app, run["results"]))

    heard = []
    def listen(event):
        heard.append((event.type, event.source.getRoleName(), event.source.name, event.detail1))
    kinds = ["object:state-changed:showing", "object:text-changed"]
    pyatspi.Registry.registerEventListener(listen, *kinds)
    loop = GLib.MainLoop()
    def drive():
        xdotool(window, *run["inputs"], (run["calculate"], None))
        GLib.timeout_add(1500, loop.quit)
        return False
    GLib.idle_add(drive)
    loop.run()
    pyatspi.Registry.deregisterEventListener(listen, *kinds)

    check("results after a calculation", run["after"], results_of(app, run["results"]))
    # A notification appearing is what screen readers speak wherever the focus is.
    said = [e[2] for e in heard if e[0].startswith("object:state-changed:showing") and e[1] == "notification" and e[3]]
    check("notifications shown", [run["said"]], said)
    changed = {e[2] for e in heard if e[0].startswith("object:text-changed:insert")}
    check("results that sent text-changed", sorted(run["results"]), sorted(changed & set(run["results"])))

    xdotool(window, (run["clear"], None))
    time.sleep(0.5)
    check("results after clear", [""] * len(run["results"]), results_of(app, run["results"]))


if __name__ == "__main__":
    main()
