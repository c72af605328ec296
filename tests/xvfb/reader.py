#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Quendrel calculators team
# SPDX-License-Identifier: GPL-3.0-or-later
# Both calculators heard from outside, on the buses of `session.sh --accessibility`: AT-SPI places
# the window where X11 has it and every control inside it, at whatever QT_SCALE_FACTOR says, and
# each control takes a click in the middle of the box AT-SPI gives it; through AT-SPI every
# result tells screen readers of its new text on calculate and on clear, and Orca, logging what
# it would say, says each figure as typed going back through the fields, then the results, then
# the next Tab. Each step waits for what it leads to. With --locale, the programs (not Orca) run
# under that C library locale, found in LOCPATH.
# usage: reader.py [--locale LOCPATH NAME] SAVECALC LOANCALC
import os, re, subprocess, sys, tempfile, time

import pyatspi
from gi.repository import GLib

# Title; the fields by accessible name and what is typed into each; the calculate and clear
# buttons; the results' accessible names; the notification the calculation shows.
RUNS = [
    ("Quendrel", [("每月存款额", "1000"), ("银行年利率", "2.25"), ("存入期数", "12")], "计算", "清空", {"本利和"}, "本利和：12146.25元"),
    ("Maribosk", [("贷款金额(万元)", "20"), ("贷款期(单位：月)", "60"), ("偿还次数", "12"), ("月利率(%)", "0.465")], "确认", "清除",
     {"每隔几个月偿还一次", "每次偿还金额", "偿还总额"}, "每隔 5 月偿还一次，每次偿还金额为 1.931692 万元。偿还总额为 23.1803 万元。"),
]
SCALE = os.environ.get("QT_SCALE_FACTOR", "1")


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
    settle(until) or awaited is None or sys.exit(f"FAIL: {awaited} in {DEADLINE - START:.0f} s; it said: {' | '.join(speech.said[-12:])}")


# The X windows shown with that title, once there is one. The search is made again until then,
# as one fails whenever a window goes away during it (the last program's, say).
def shown_window(title):
    found = []

    def search():
        found[:] = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"], capture_output=True, text=True).stdout.split()[:1]
        return found
    settle(search)
    return found


# Whether some listener has registered `event` with the accessibility registry. A program tells
# the registry's listeners only of the events registered when it sends them: a window activated
# before Orca's listeners reach the registry is never heard by it.
def registered(event):
    address = subprocess.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus", "/org/a11y/bus",
                              "org.a11y.Bus.GetAddress"], capture_output=True, text=True).stdout.strip()
    events = subprocess.run(["dbus-send", f"--bus={address}", "--print-reply", "--dest=org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                             "org.a11y.atspi.Registry.GetRegisteredEvents"], capture_output=True, text=True).stdout
    return f'"{event}"' in events


def accessible_window(title):
    return next((w for app in pyatspi.Registry.getDesktop(0) if app for w in app if w and w.name == title), None)


def extents(accessible):
    e = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


# What AT-SPI places otherwise than X11: the window by more than 2 px, or a control outside it.
def misplaced(title, window):
    x11 = re.findall(r"(?:Absolute upper-left [XY]|Width|Height): +(-?\d+)", subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout)
    left, top, width, height = x11 = tuple(map(int, x11))
    frame = accessible_window(title)
    if frame is None:
        return ["no window"]
    wrong = [f"window at {extents(frame)}, X11 {x11}"] if max(abs(a - b) for a, b in zip(extents(frame), x11)) > 2 else []
    for accessible in pyatspi.utils.findAllDescendants(frame, lambda a: True):
        x, y, w, h = extents(accessible)
        if w and not (left - 2 <= x and x + w <= left + width + 2 and top - 2 <= y and y + h <= top + height + 2):
            wrong.append(f"{accessible.getRoleName()} {accessible.name} at {(x, y, w, h)}, outside {x11}")
    return wrong


# The middle of the box AT-SPI gives the control of that name and role, on the desktop.
def middle(title, name, role):
    x, y, w, h = extents(pyatspi.utils.findDescendant(accessible_window(title), lambda a: a.name == name and a.getRoleName() == role))
    return x + w // 2, y + h // 2


# What Orca has said so far, from its debug log as it grows.
class Speech:
    def __init__(self, path):
        self.path, self.read, self.said, self.listening = path, 0, [], False

    def __call__(self):
        with open(self.path, "rb") as log:
            log.seek(self.read)
            chunk = log.read()
        complete = chunk[:chunk.rfind(b"\n") + 1]
        self.read += len(complete)
        for line in complete.decode("utf-8", errors="replace").splitlines():
            self.listening |= "ORCA: Starting ATSPI registry." in line
            self.said += [said.strip().rstrip(".") for said in re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{'established", line)]
        return self.said

    def since(self, mark):
        return self()[mark:]

    def started(self):  # whether Orca listens for events yet
        self()
        return self.listening


def main():
    scratch = tempfile.TemporaryDirectory()
    home, run, debug_log = f"{scratch.name}/home", f"{scratch.name}/run", f"{scratch.name}/orca.log"
    os.makedirs(home)
    os.makedirs(run, mode=0o700)
    open(debug_log, "w").close()
    # Orca refuses to start beside another Orca of the same user (on the user's own desktop, or
    # in a test run alongside); this one is on buses of its own, so that check is left out. Its
    # log is written line by line, so what it has said can be read as it goes.
    alone = ("import functools, runpy, sys; sys.argv = sys.argv[1:]; main = runpy.run_path(sys.argv[0], run_name='orca_launcher')['main']; "
             "main.__globals__['otherOrcas'] = list; main.__globals__['open'] = functools.partial(open, buffering=1); sys.exit(main())")
    orca = subprocess.Popen(["/usr/bin/python3", "-c", alone, "/usr/bin/orca", f"--debug-file={debug_log}"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            env=dict(os.environ, HOME=home, XDG_RUNTIME_DIR=run, LANG="C.UTF-8"))
    global speech
    speech = Speech(debug_log)
    settle(lambda: speech.started() or orca.poll() is not None)
    check("Orca listening", True, speech.listening)
    check("Orca listening for windows", True, settle(lambda: registered("Window:Activate:")))
    heard = []
    pyatspi.Registry.registerEventListener(lambda e: heard.append((e.type, e.source.name, e.any_data)), "object:text-changed")
    told = lambda kind: {name for event, name, _ in heard if event.endswith(kind)}
    locale, programs = {}, sys.argv[1:]
    if programs[0] == "--locale":
        locale, programs = {"LOCPATH": programs[1], "LC_ALL": programs[2]}, programs[3:]
    for path, (title, inputs, calculate, clear, after, said) in zip(programs, RUNS):
        program, mark = os.path.basename(path), len(speech())
        # Qt's accessibility bridge keeps a copy of each key it passes on to screen readers until
        # they answer, and the close key's copy is still held as the program exits: under the
        # sanitizers, the programs' exit is not checked for leaks here.
        running = subprocess.Popen([path], stderr=subprocess.DEVNULL,
                                   env=dict(os.environ, **locale, ASAN_OPTIONS=os.environ.get("ASAN_OPTIONS", "") + ":detect_leaks=0"))
        window = shown_window(title) or sys.exit(f"FAIL: no window titled {title}")
        settle(lambda: title in speech.since(mark)) or sys.exit(f"FAIL: Orca did not say the window {title} was active")
        settle(lambda: not misplaced(title, window[0]))
        check(f"{program}'s controls AT-SPI places otherwise than X11 at {SCALE} x", [], misplaced(title, window[0]))
        for name, text in inputs:
            xdotool("mousemove", *middle(title, name, "text"), "click", 1)
            # Each key is echoed by Orca once it has handled it, and reaches the program only
            # after that, so both are awaited: a click taken before it would overtake the key.
            for character in text:
                mark, typed = len(speech()), len(heard)
                xdotool("type", character, awaited=f"no echo of {character!r} from Orca, or no {character!r} in {name}",
                        until=lambda: speech.since(mark) and (name, character) in [(field, data) for event, field, data in heard[typed:] if event.endswith("insert")])
        # On to the button, then back through every field, each said before the next key.
        mark = len(speech())
        xdotool("key", "Tab", until=lambda: any(line.endswith("push button") for line in speech.since(mark)),
                awaited=f"Orca did not say the button after the last field of {title}")
        for _, text in reversed(inputs):
            mark = len(speech())
            xdotool("key", "shift+Tab", until=lambda: f"{text} selected" in speech.since(mark),
                    awaited=f"Orca did not say {text} selected in {title}")
        heard.clear()
        mark = len(speech())
        xdotool("mousemove", *middle(title, calculate, "push button"), "click", 1,
                until=lambda: after <= told("insert") and f"notification {said}".rstrip(".") in speech.since(mark),
                awaited=f"the results of {title} not told to screen readers, or Orca did not say {said!r}")
        check(f"{program}'s results that told screen readers of their new text", after, told("insert") & after)
        mark = len(speech())
        xdotool("key", "Tab", until=lambda: "tab" in speech.since(mark)[:-1], awaited=f"Orca did not say where Tab went after the results in {title}")
        heard.clear()
        xdotool("mousemove", *middle(title, clear, "push button"), "click", 1, until=lambda: after <= told("delete"))
        check(f"{program}'s results that told them of clear", after, told("delete") & after)
        # The desktop's quit key ends one program and its close key the other, as the close box would.
        key = "ctrl+q" if program == "savecalc" else "ctrl+w"
        xdotool("key", key, until=lambda: running.poll() is not None, awaited=f"{program} did not end on {key}")
        check(f"{program}'s status after {key}", 0, running.returncode)
    check("Orca still running", None, orca.poll())
    # Its log written line by line, Orca need not be asked to end (which, on a busy machine, it
    # could take minutes over): what it said has been read, and it is killed.
    orca.kill()
    orca.wait()


if __name__ == "__main__":
    main()
