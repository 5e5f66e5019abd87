// Launches a program and times, from outside it, how long it takes until the X server maps
// its first top-level window whose WM_CLASS holds the given name. Then waits a second for
// start-up to settle, reads the program's resident memory and ends it.
//
//   map_timer <window class> <program> [arguments...]
//
// Prints one line: "<milliseconds to the first map> <processor milliseconds used by then>
// <resident kB>". Needs DISPLAY and no
// window manager (the map must reach the root window's substructure as a MapNotify).
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

// Whether one of the two strings of the window's WM_CLASS equals the name.
bool HasClass(xcb_connection_t* x, xcb_window_t window, const std::string& name) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(x, 0, window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, cookie, nullptr), std::free);
    if (!reply) {
        return false;
    }
    const auto* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
    const std::string value(data,
                            static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    for (std::size_t start = 0; start < value.size();) {
        const std::size_t end = value.find('\0', start);
        const std::string part = value.substr(start, end - start);
        if (part == name) {
            return true;
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return false;
}

// Processor time the program has used so far, in milliseconds, with that of threads that
// have already ended; less disturbed by other load on the machine than the wall-clock time.
double CpuMs(pid_t pid) {
    clockid_t clock{};
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0) {
        return -1;
    }
    return static_cast<double>(used.tv_sec) * 1e3 + static_cast<double>(used.tv_nsec) / 1e6;
}

long ResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: map_timer <window class> <program> [arguments...]\n");
        return 2;
    }
    const std::string wantedClass = argv[1];
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "map_timer: cannot connect to the X server\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));  // mask is in place

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror("map_timer: exec");
        _exit(127);
    }

    // Waits for events, checking now and then that the program is still running.
    double mapMs = -1;
    double cpuMs = -1;
    pollfd server{xcb_get_file_descriptor(x), POLLIN, 0};
    while (mapMs < 0 && waitpid(child, nullptr, WNOHANG) == 0) {
        poll(&server, 1, 100);
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const Clock::time_point now = Clock::now();
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            const xcb_window_t window =
                mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
            std::free(event);
            if (mapMs < 0 && mapped && HasClass(x, window, wantedClass)) {
                mapMs = std::chrono::duration<double, std::milli>(now - start).count();
                cpuMs = CpuMs(child);
            }
        }
        if (xcb_connection_has_error(x)) {
            break;
        }
    }
    xcb_disconnect(x);

    long rssKb = -1;
    if (mapMs >= 0) {
        sleep(1);
        rssKb = ResidentKb(child);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (mapMs < 0) {
        std::fprintf(stderr, "map_timer: %s ended without mapping a window of class %s\n", argv[2],
                     wantedClass.c_str());
        return 1;
    }
    std::printf("%.1f %.1f %ld\n", mapMs, cpuMs, rssKb);
    return 0;
}
