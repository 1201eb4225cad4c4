// Starts a program on the X display in $DISPLAY and watches it from outside, leaving the program
// unmodified: no preload, no plugin, no environment of its own.
//
//   bazelot_firstpaint [--idle-ms N] [--keys N] [--shot FILE.ppm] -- program [arguments...]
//
// First paint: the X Damage extension reports every drawing into the program's top-level windows. The
// window counts as painted at the first report after which its pixels are no longer all one colour
// (a window mapped with no background stays uniform until the program draws into it).
// CPU: the program's threads' run time from /proc/PID/task/*/schedstat (nanoseconds) at that moment.
// Memory: VmRSS from /proc/PID/status and Pss from /proc/PID/smaps_rollup after --idle-ms of idling.
// Keystroke latency (--keys N): types characters through XTest into the focused window; "echo" is the
// time to the first drawing after the key, "status" the time until the bottom strip of the window (the
// status bar) changes. Alternates BackSpace + '1' and BackSpace + 'a' so that the status changes on
// every key in a window that checks what is typed.
//
// --shot writes the window as it was when it counted as painted, to check what was measured.
//
// Prints one line of name=value pairs; times in milliseconds, memory in KiB.

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <poll.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0; // windows may vanish between an event and our request
}

// Sum of the run time of every thread of the process, in milliseconds.
double cpuMs(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
            unsigned long long ns = 0;
            if (stat >> ns)
                total += static_cast<double>(ns) / 1e6;
        }
        closedir(dir);
    }
    return total;
}

long field(const std::string& path, const std::string& name) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(name, 0) == 0)
            return std::strtol(line.c_str() + name.size(), nullptr, 10);
    return -1;
}

struct Watcher {
    Display* display = nullptr;
    int damageEvent = 0;
    std::map<Window, Damage> damages;
    std::set<Window> mapped;

    void track(Window window) {
        if (!damages.count(window))
            damages[window] = XDamageCreate(display, window, XDamageReportRawRectangles);
    }

    // Waits for the next event up to the deadline; false on timeout.
    bool next(XEvent& event, Clock::time_point deadline) {
        while (!XPending(display)) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return false;
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(std::min<long long>(left.count(), 50)));
        }
        XNextEvent(display, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == DefaultRootWindow(display))
            track(event.xcreatewindow.window);
        if (event.type == MapNotify)
            mapped.insert(event.xmap.window);
        if (event.type == UnmapNotify)
            mapped.erase(event.xunmap.window);
        if (event.type == damageEvent + XDamageNotify) {
            const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
            XDamageSubtract(display, damage.damage, None, None);
        }
        return true;
    }

    std::vector<unsigned long> pixels(Window window, int x, int y, unsigned width, unsigned height) {
        std::vector<unsigned long> out;
        XImage* image = XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap);
        if (!image)
            return out;
        out.reserve(std::size_t{width} * height);
        for (unsigned row = 0; row < height; ++row)
            for (unsigned column = 0; column < width; ++column)
                out.push_back(XGetPixel(image, static_cast<int>(column), static_cast<int>(row)));
        XDestroyImage(image);
        return out;
    }

    // True while nothing has been drawn into the rectangle: all its pixels are one colour.
    bool uniform(Window window, int x, int y, unsigned width, unsigned height) {
        const auto all = pixels(window, x, y, width, height);
        return std::adjacent_find(all.begin(), all.end(), std::not_equal_to<>()) == all.end();
    }
};

void writePpm(Display* display, Window window, unsigned width, unsigned height, const char* path) {
    XImage* image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
    if (!image)
        return;
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    for (unsigned row = 0; row < height; ++row)
        for (unsigned column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image, static_cast<int>(column), static_cast<int>(row));
            const char rgb[] = {static_cast<char>((pixel >> 16) & 0xFF),
                                static_cast<char>((pixel >> 8) & 0xFF), static_cast<char>(pixel & 0xFF)};
            out.write(rgb, 3);
        }
    XDestroyImage(image);
}

double median(std::vector<double> values) {
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    int idleMs = 1500;
    int keys = 0;
    const char* shot = nullptr;
    int first = 1;
    for (; first < argc; ++first) {
        const std::string argument = argv[first];
        if (argument == "--idle-ms" && first + 1 < argc)
            idleMs = std::atoi(argv[++first]);
        else if (argument == "--keys" && first + 1 < argc)
            keys = std::atoi(argv[++first]);
        else if (argument == "--shot" && first + 1 < argc)
            shot = argv[++first];
        else if (argument == "--") {
            ++first;
            break;
        } else
            break;
    }
    if (first >= argc) {
        std::fprintf(stderr,
                     "usage: %s [--idle-ms N] [--keys N] [--shot FILE.ppm] -- program [arguments...]\n",
                     argv[0]);
        return 2;
    }

    Watcher watcher;
    watcher.display = XOpenDisplay(nullptr);
    if (!watcher.display) {
        std::fprintf(stderr, "cannot open display\n");
        return 2;
    }
    Display* display = watcher.display;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &watcher.damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no Damage extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[first], argv + first);
        std::perror("exec");
        _exit(127);
    }

    // First paint.
    XEvent event;
    Window window = None;
    double wallMs = -1;
    double cpuAtPaint = -1;
    const auto deadline = start + std::chrono::seconds(20);
    while (window == None && watcher.next(event, deadline)) {
        if (event.type != watcher.damageEvent + XDamageNotify)
            continue;
        const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
        const Window target = damage.drawable;
        if (!watcher.mapped.count(target) || damage.geometry.width < 50 || damage.geometry.height < 50)
            continue;
        const double at = msSince(start);
        const double cpu = cpuMs(pid);
        if (watcher.uniform(target, 0, 0, damage.geometry.width, damage.geometry.height))
            continue;
        window = target;
        wallMs = at;
        cpuAtPaint = cpu;
        if (shot)
            writePpm(display, target, damage.geometry.width, damage.geometry.height, shot);
    }
    int status = 0;
    if (window == None) {
        std::fprintf(stderr, "no painted window within 20 s\n");
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return 1;
    }

    // Idle memory: drain events while the program settles.
    const auto idleEnd = Clock::now() + std::chrono::milliseconds(idleMs);
    while (watcher.next(event, idleEnd)) {
    }
    const std::string proc = "/proc/" + std::to_string(pid);
    const long rss = field(proc + "/status", "VmRSS:");
    const long pss = field(proc + "/smaps_rollup", "Pss:");
    const double cpuIdle = cpuMs(pid);

    std::printf("wall_ms=%.1f cpu_ms=%.1f cpu_idle_ms=%.1f rss_kib=%ld pss_kib=%ld", wallMs, cpuAtPaint,
                cpuIdle, rss, pss);

    if (keys > 0) {
        XWindowAttributes attributes;
        XGetWindowAttributes(display, window, &attributes);
        const unsigned stripHeight = 14;
        const int stripY = attributes.height - static_cast<int>(stripHeight) - 2;
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
        XSync(display, False);
        const auto settle = [&](int ms) {
            const auto until = Clock::now() + std::chrono::milliseconds(ms);
            while (watcher.next(event, until)) {
            }
        };
        settle(300);
        const auto press = [&](KeySym symbol) {
            const KeyCode code = XKeysymToKeycode(display, symbol);
            XTestFakeKeyEvent(display, code, True, CurrentTime);
            XTestFakeKeyEvent(display, code, False, CurrentTime);
            XFlush(display);
        };
        std::vector<double> echo;
        std::vector<double> statusChange;
        for (int i = 0; i < keys; ++i) {
            press(XK_BackSpace);
            settle(150);
            const auto before = watcher.pixels(window, 0, stripY, attributes.width, stripHeight);
            const auto typed = Clock::now();
            press(i % 2 == 0 ? XK_1 : XK_a);
            std::optional<double> echoMs;
            std::optional<double> statusMs;
            const auto giveUp = typed + std::chrono::milliseconds(1000);
            while (!statusMs && watcher.next(event, giveUp)) {
                if (event.type != watcher.damageEvent + XDamageNotify)
                    continue;
                const double at = msSince(typed);
                if (!echoMs)
                    echoMs = at;
                if (watcher.pixels(window, 0, stripY, attributes.width, stripHeight) != before)
                    statusMs = at;
            }
            if (echoMs)
                echo.push_back(*echoMs);
            if (statusMs)
                statusChange.push_back(*statusMs);
        }
        std::printf(" key_echo_ms=%.2f key_status_ms=%.2f keys_with_status=%zu", median(echo),
                    median(statusChange), statusChange.size());
    }
    std::printf("\n");

    kill(pid, SIGTERM);
    waitpid(pid, &status, 0);
    XCloseDisplay(display);
    return 0;
}
