#!/usr/bin/python3
# Both calculators heard from outside, on the buses of `session.sh --accessibility`: through AT-SPI
# (Debian's python3-pyatspi) every result tells screen readers of its new text on calculate and
# on clear, while Orca runs with a log of what it would say and no speech server. Going back
# through the fields, Orca must say each figure as it was typed; after the button it must say
# the results and go on to speak the next Tab; it writes its log in
# blocks, so the log is read once it has ended. What the results read as, and the notification
# itself, are checked inside the process by the window tests.
# usage: reader.py SAVECALC LOANCALC
import os, re, subprocess, sys, tempfile, time

import pyatspi
from gi.repository import GLib

# Title; fields to click and fill, then the calculate and clear buttons, in client pixels;
# the results' accessible names; the notification the calculation shows.
RUNS = [
    ("Quendrel", [(184, 88, "1000"), (184, 128, "2.25"), (184, 168, "12")], (160, 260), (232, 260),
     {"本利和"}, "本利和：12146.25元"),
    ("Maribosk", [(190, 50, "20"), (190, 90, "60"), (190, 125, "12"), (190, 163, "0.465")], (297, 227), (351, 227),
     {"每隔几个月偿还一次", "每次偿还金额", "偿还总额"},
     "每隔 5 月偿还一次，每次偿还金额为 1.931692 万元。偿还总额为 23.1803 万元。"),
]


def check(what, expected, actual):
    if expected != actual:
        sys.exit(f"FAIL: {what}: expected {expected!r}, got {actual!r}")
    print(f"ok: {what}: {actual!r}")


def xdotool(*args, wait=0.3):
    """Runs xdotool, then lets AT-SPI's events arrive for a while."""
    loop = GLib.MainLoop()
    GLib.idle_add(lambda: subprocess.run(["xdotool", *map(str, args)], check=True) and False)
    GLib.timeout_add(int(wait * 1000), loop.quit)
    loop.run()


def main():
    scratch = tempfile.mkdtemp()
    os.makedirs(f"{scratch}/home")
    os.makedirs(f"{scratch}/run", mode=0o700)
    # Orca refuses to start beside another Orca of the same user (on the user's own desktop, or
    # in a test run alongside); this one is on buses of its own, so that check is left out.
    alone = "import runpy, sys; sys.argv = sys.argv[1:]; main = runpy.run_path(sys.argv[0], run_name='orca_launcher')['main']; main.__globals__['otherOrcas'] = list; sys.exit(main())"
    orca = subprocess.Popen(["/usr/bin/python3", "-c", alone, "/usr/bin/orca", f"--debug-file={scratch}/orca.log"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                            env=dict(os.environ, HOME=f"{scratch}/home", XDG_RUNTIME_DIR=f"{scratch}/run", LANG="C.UTF-8"))
    time.sleep(5)
    heard = []
    pyatspi.Registry.registerEventListener(lambda e: heard.append((e.type, e.source.name)), "object:text-changed")
    for path, (title, inputs, calculate, clear, after, said) in zip(sys.argv[1:], RUNS):
        program = os.path.basename(path)
        running = subprocess.Popen([path], stderr=subprocess.DEVNULL)
        window = subprocess.run(["timeout", "10", "xdotool", "search", "--sync", "--onlyvisible", "--name", f"^{title}$"],
                                capture_output=True, text=True).stdout.split()[:1] or sys.exit(f"FAIL: no window titled {title}")
        time.sleep(1)
        for x, y, text in inputs:
            xdotool("mousemove", "--window", window[0], x, y, "click", 1)
            xdotool("type", "--delay", 250, text)  # slowly enough for Orca's key handling
        for key in ["Tab"] + ["shift+Tab"] * len(inputs):
            xdotool("key", key, wait=1.5)  # on to the button, then back through every field
        heard.clear()
        xdotool("mousemove", "--window", window[0], *calculate, "click", 1, wait=3)
        check(f"{program}'s results that told screen readers of their new text", after, {name for kind, name in heard if kind.endswith("insert")} & after)
        xdotool("key", "Tab", wait=2)
        heard.clear()
        xdotool("mousemove", "--window", window[0], *clear, "click", 1, wait=1)
        check(f"{program}'s results that told them of clear", after, {name for kind, name in heard if kind.endswith("delete")} & after)
        running.terminate()
        running.wait()
    check("Orca still running", None, orca.poll())
    orca.terminate()
    orca.wait(10)
    with open(f"{scratch}/orca.log", encoding="utf-8", errors="replace") as log:
        spoken = [line.strip().rstrip(".") for line in re.findall(r"SPEECH OUTPUT: '(.*?)' ?\{'established", log.read())]
    starts = [spoken.index(title) if title in spoken else len(spoken) for title, *_ in RUNS]
    for (title, inputs, *_, said), start, end in zip(RUNS, starts, starts[1:] + [len(spoken)]):
        here, notice = spoken[start:end], f"notification {said}".rstrip(".")
        # Orca says each field's selected figure twice: as the selection changes, then with its name.
        typed = here[:here.index(notice)] if notice in here else here
        figures = [typed[i - 1] if line == "selected" else line[:-len(" selected")] for i, line in enumerate(typed)
                   if line == "selected" or line.endswith(" selected")]
        check(f"the figures Orca says of the fields in {title}", [text for *_, text in reversed(inputs) for _ in range(2)], figures)
        check(f"Orca says the results in {title}", True, notice in here or here)
        check("Orca goes on to speak the Tab after them", True, "tab" in here[here.index(notice):-1])
        print(f"   then: {' | '.join(here[here.index(notice) + 1:])}")

if __name__ == "__main__":
    main()
