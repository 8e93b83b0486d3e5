// kelvaro_bench_map_timer [--settle-ms N] [--timeout-ms N] -- PROGRAM [ARGS...]
//
// Starts PROGRAM on the X display in DISPLAY and prints one line:
//   map_ms=<start until its first top-level window is mapped>
//   cpu_ms=<user and system time until it is ended> peak_rss_kb=<peak resident memory>
//   size=<the mapped window's width>x<height>
// The clock starts just before the fork and stops when the X server reports
// the MapNotify of a top-level window (a child of the root window that is not
// override-redirect). The program then runs for the settle time, so that its
// first paint is done, and is ended with SIGTERM; its peak resident memory and
// CPU time come from wait4(). Exit status 0 on success, 1 on a failure
// (message on stderr).
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int settleMs = 500;
    int timeoutMs = 20000;
    char** program = nullptr;
};

std::optional<Options> parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--" && i + 1 < argc) {
            options.program = argv + i + 1;
            return options;
        }
        if ((arg == "--settle-ms" || arg == "--timeout-ms") && i + 1 < argc) {
            (arg == "--settle-ms" ? options.settleMs : options.timeoutMs) = std::atoi(argv[++i]);
            continue;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

// Listens for top-level windows being mapped on the display.
class MapWatch {
public:
    MapWatch() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_) != 0) {
            return;
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        // A round trip: the server selects the events before anything starts.
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
        ready_ = true;
    }
    ~MapWatch() { xcb_disconnect(connection_); }
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    bool ready() const { return ready_; }

    // The top-level window mapped within the time; 0 when none was.
    xcb_window_t waitForMap(Clock::time_point deadline, pid_t child) {
        const int fd = xcb_get_file_descriptor(connection_);
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
                const xcb_window_t mapped = topLevelMapped(*event);
                std::free(event);
                if (mapped != 0) {
                    return mapped;
                }
            }
            if (xcb_connection_has_error(connection_) != 0 ||
                waitpid(child, nullptr, WNOHANG) != 0) {
                return 0;
            }
            pollfd pfd{fd, POLLIN, 0};
            poll(&pfd, 1, 50);
        }
        return 0;
    }

    // The window's size as "WxH", asked after the clock has stopped.
    std::string size(xcb_window_t window) const {
        xcb_get_geometry_reply_t* geometry =
            xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
        if (geometry == nullptr) {
            return "unknown";
        }
        std::string text = std::to_string(geometry->width) + "x" + std::to_string(geometry->height);
        std::free(geometry);
        return text;
    }

private:
    xcb_window_t topLevelMapped(const xcb_generic_event_t& event) const {
        if ((event.response_type & 0x7f) != XCB_MAP_NOTIFY) {
            return 0;
        }
        const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(event);
        return map.event == root_ && map.override_redirect == 0 ? map.window : 0;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    bool ready_ = false;
};

double milliseconds(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
}

int fail(const char* message, pid_t child) {
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    std::fprintf(stderr, "map_timer: %s\n", message);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: %s [--settle-ms N] [--timeout-ms N] -- PROGRAM [ARGS...]\n",
                     argv[0]);
        return 2;
    }
    MapWatch watch;
    if (!watch.ready()) {
        return fail("cannot connect to the X display in DISPLAY", 0);
    }
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(options->program[0], options->program);
        std::perror("map_timer: exec");
        _exit(127);
    }
    if (child < 0) {
        return fail("fork failed", 0);
    }
    const xcb_window_t window =
        watch.waitForMap(start + std::chrono::milliseconds(options->timeoutMs), child);
    if (window == 0) {
        return fail("no top-level window was mapped (the program ended or timed out)", child);
    }
    const double mapMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const std::string size = watch.size(window);
    std::this_thread::sleep_for(std::chrono::milliseconds(options->settleMs));
    if (waitpid(child, nullptr, WNOHANG) != 0) {
        return fail("the program ended by itself while settling", 0);
    }
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf("map_ms=%.3f cpu_ms=%.1f peak_rss_kb=%ld size=%s\n", mapMs,
                milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), usage.ru_maxrss,
                size.c_str());
    return 0;
}
