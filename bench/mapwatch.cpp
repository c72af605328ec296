// Starts a program and reports, on one line, the milliseconds from starting its process to
// the X server mapping its first top-level window, and the process's peak resident memory in
// KiB a moment later; then ends the program. Usage: mapwatch PROGRAM [ARGS...]
// Run without a window manager, so a top-level window is a child of the root window.
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long peakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapwatch PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "mapwatch: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != MapNotify);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // let the first paint finish
    const long kib = peakResidentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.2f %ld\n", ms, kib);
    XCloseDisplay(display);
    return 0;
}
