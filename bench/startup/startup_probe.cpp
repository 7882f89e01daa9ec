// Starts a program on an X display and reports, on stdout, the milliseconds
// from exec to the first frame showing a given picture at a given place, the
// program's peak memory and its threads a second later, and the milliseconds
// its threads ran and waited to run until the picture showed:
//   velomar_startup_probe PICTURE.png LEFT TOP [NAME=VALUE...] -- PROGRAM [ARGS...]
// Run by bench/startup.sh; the program's folder is the probe's.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/damagewire.h>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/headless/png_writer.h"

// libXdamage's calls; its header is not installed here, only the library
// and the protocol's constants.
extern "C" {
using Damage = XID;
Bool XDamageQueryExtension(Display* display, int* eventBase, int* errorBase);
Damage XDamageCreate(Display* display, Drawable drawable, int level);
void XDamageSubtract(Display* display, Damage damage, XID repair, XID parts);
}

namespace {

using Clock = std::chrono::steady_clock;

struct Sample {
    int x, y;
    unsigned long colour;
};

bool Near(unsigned long a, unsigned long b) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        if (d < -8 || d > 8) return false;
    }
    return true;
}

// A grid over the picture; its black points say nothing on a black screen.
std::vector<Sample> SamplesOf(const platform::raster::Surface& picture, int left, int top) {
    std::vector<Sample> samples;
    for (int gy = 1; gy < 8; ++gy)
        for (int gx = 1; gx < 8; ++gx) {
            const int x = picture.width * gx / 8, y = picture.height * gy / 8;
            const unsigned long colour = picture.At(x, y) & 0xFFFFFF;
            if (colour > 0x181818) samples.push_back({left + x, top + y, colour});
        }
    return samples;
}

bool Shows(Display* display, const std::vector<Sample>& samples) {
    for (const Sample& s : samples) {
        XImage* image =
            XGetImage(display, DefaultRootWindow(display), s.x, s.y, 1, 1, AllPlanes, ZPixmap);
        if (!image) return false;
        const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        if (!Near(pixel, s.colour)) return false;
    }
    return true;
}

// A number from the process's status, e.g. "VmHWM:" (KiB) or "Threads:".
long StatusValue(pid_t pid, const std::string& key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key, 0) == 0) return std::strtol(line.c_str() + key.size(), nullptr, 10);
    return -1;
}

// Milliseconds the process's threads ran, and waited runnable for a CPU
// (scheduler statistics): a start that is slow only because other work held
// the CPUs shows as waiting, not as running longer.
struct CpuTimes {
    double ran = -1, waited = -1;
};

CpuTimes CpuTimesOf(pid_t pid) {
    CpuTimes times;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = ::opendir(tasks.c_str());
    if (!dir) return times;
    times = {0, 0};
    while (const dirent* task = ::readdir(dir)) {
        if (task->d_name[0] == '.') continue;
        std::ifstream stat(tasks + "/" + task->d_name + "/schedstat");
        double ranNs = 0, waitedNs = 0;
        if (stat >> ranNs >> waitedNs) {
            times.ran += ranNs / 1e6;
            times.waited += waitedNs / 1e6;
        }
    }
    ::closedir(dir);
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    int dashes = 1;
    while (dashes < argc && std::strcmp(argv[dashes], "--") != 0) ++dashes;
    if (dashes < 4 || dashes + 1 >= argc) {
        std::fprintf(stderr,
                     "usage: %s PICTURE.png LEFT TOP [NAME=VALUE...] -- PROGRAM [ARGS...]\n",
                     argv[0]);
        return 2;
    }
    platform::raster::Surface picture;
    if (!platform::ReadPng(argv[1], &picture)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const std::vector<Sample> samples = SamplesOf(picture, std::atoi(argv[2]), std::atoi(argv[3]));
    Display* display = XOpenDisplay(nullptr);
    if (!display || samples.empty()) {
        std::fprintf(stderr, "no display, or a picture with nothing to look for\n");
        return 1;
    }
    // The last run's window may outlive its killed program for a moment,
    // until the server has taken the closed connection.
    for (int i = 0; i < 100 && Shows(display, samples); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (Shows(display, samples)) {
        std::fprintf(stderr, "the screen already shows the picture\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    const Damage damage = XDamageCreate(display, DefaultRootWindow(display), XDamageReportNonEmpty);

    const Clock::time_point start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        // What the program prints (an older velomar's ALSA noise) would only
        // scramble the table.
        if (std::FILE* null = std::freopen("/dev/null", "w", stderr)) (void)null;
        for (int i = 4; i < dashes; ++i) ::putenv(argv[i]);
        ::execvp(argv[dashes + 1], argv + dashes + 1);
        ::_exit(127);
    }
    // The screen is looked at only when something was drawn on it, so the
    // probe takes no time from the program it measures.
    double ms = -1;
    CpuTimes cpu;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() - start < std::chrono::seconds(20)) {
        bool drawn = false;
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            drawn = drawn || event.type == damageEvent + XDamageNotify;
        }
        if (drawn) {
            XDamageSubtract(display, damage, None, None);  // report the next drawing too
            if (Shows(display, samples)) {
                ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                cpu = CpuTimesOf(child);
                break;
            }
        }
        if (::waitpid(child, nullptr, WNOHANG) == child) break;
        // Looking at the screen reads replies, and with them any damage
        // reported meanwhile, into Xlib's queue, where the socket no longer
        // shows it: waiting on the socket then slept through the drawing
        // that completed the picture, until the timeout.
        if (XPending(display) == 0) ::poll(&connection, 1, 100);
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long peak = StatusValue(child, "VmHWM:");
    const long threads = StatusValue(child, "Threads:");
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (ms < 0) {
        std::fprintf(stderr, "%s never showed the picture\n", argv[dashes + 1]);
        return 1;
    }
    std::printf("%.1f %ld %ld %.1f %.1f\n", ms, peak, threads, cpu.ran, cpu.waited);
    return 0;
}
