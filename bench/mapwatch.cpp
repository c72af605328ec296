// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports, on one line, the milliseconds from starting its process to
// the X server mapping its first top-level window, the milliseconds to that window becoming
// visually complete (its pixels' last change before they stay unchanged for a settling
// time, as told by the DAMAGE extension), and the process's peak resident memory in KiB;
// then ends the program. Usage: mapwatch PROGRAM [ARGS...]
// Run without a window manager, so a top-level window is a child of the root window. The
// settling time is shorter than half a text cursor's blink, so a blinking cursor in a
// finished window does not count as a change.
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// The settling time: 300 ms, or MAPWATCH_SETTLE_MS (longer where the program runs slowed
// down, under valgrind).
std::chrono::milliseconds settlingTime() {
    const char* set = std::getenv("MAPWATCH_SETTLE_MS");
    return std::chrono::milliseconds(set ? std::atoi(set) : 300);
}

long peakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

double msSince(Clock::time_point start, Clock::time_point then) { return std::chrono::duration<double, std::milli>(then - start).count(); }

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapwatch PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    int damageEvent = 0, damageError = 0;
    if (!display || !XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "mapwatch: no X display with the DAMAGE extension\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != MapNotify);
    const auto mapped = Clock::now();
    const Window window = event.xmap.window;
    // Every drawing into the window from here on is reported, and the report acknowledged.
    const Damage damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    XSync(display, False);

    const auto settle = settlingTime();
    auto lastChange = mapped;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() - lastChange < settle) {
        while (XPending(display)) {
            XNextEvent(display, &event);
            if (event.type == damageEvent + XDamageNotify) {
                lastChange = Clock::now();
                XDamageSubtract(display, damage, None, None);
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(settle - (Clock::now() - lastChange));
        poll(&connection, 1, static_cast<int>(std::max<long>(1, left.count())));
    }

    const long kib = peakResidentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.2f %.2f %ld\n", msSince(start, mapped), msSince(start, lastChange), kib);
    XCloseDisplay(display);
    return 0;
}
