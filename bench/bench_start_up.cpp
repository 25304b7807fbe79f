// Start-up to the first mapped window, against a reference program on the same X display.
//
// Each round starts our program and the reference, one after the other (the order
// alternating from round to round, so a slow spell of the machine hits both alike), and
// for each one measures from the moment before it is started until the X server reports
// the first top-level window mapped (a MapNotify on the root window, which a program
// without a window manager gets for its main window): the wall-clock time, the CPU time
// its threads have used by then, and its peak resident memory by then. The program is then
// stopped (SIGTERM) and the next one started once it is gone. After warm-up rounds (the
// shared libraries, fonts and the reference's own settings files are in place by then)
// each figure is printed as its median and its spread (lowest .. highest); the ratio ours /
// reference is taken within each round. Exit code 1 when the median ratio of the times to
// the mapped window misses the target.
//
// Our program starts as run.sh starts it: with no arguments and an empty configuration,
// from the folder the build puts it and its translation files in (build-bench/app), so it
// builds its window in the language it chooses there. The reference is QLC+, the lighting
// program from Debian (apt-get install qlcplus), started as "qlcplus" from PATH with no
// arguments. Both need an X display without a window manager, which Xvfb gives (apt
// package xvfb, in tools/install-deps.sh):
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" build-bench/bench/bench_start_up [rounds]
//       [--ours PATH] [--reference PATH]
//
// A reference given by its path starts in its own folder: with another build of our
// program as the reference, the bench compares two builds round by round.
//
// CPU time is the sum of the threads' run times (/proc/PID/task/*/schedstat, in
// nanoseconds); peak memory is VmHWM of /proc/PID/status.
#include "bench/sample_series.h"

#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int WarmUpRounds = 2;
constexpr int DefaultRounds = 15;
constexpr double Target = 0.45;  // ours / reference, time to the mapped window
constexpr int WindowTimeoutMs = 30000;

struct program {
    const char *name;
    std::string path;
    std::string workingDirectory;  // empty: the bench's own
};

struct start_figures {
    bool mapped = false;
    double wallMs = 0;
    double cpuMs = 0;
    double peakRssMb = 0;
};

struct program_series {
    sample_series wall, cpu, rss;
};

double monotonicMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string ownFolder()
{
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return ".";
    buffer[length] = 0;
    return folderOf(buffer);
}

// The run time of every thread of the process so far.
double cpuMsOf(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = opendir(tasks.c_str());
    if (!dir)
        return 0;
    double ns = 0;
    while (dirent *entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        double runNs = 0;
        if (stat >> runNs)
            ns += runNs;
    }
    closedir(dir);
    return ns / 1e6;
}

double peakRssMbOf(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024;
    }
    return 0;
}

// Waits for the X server to report a window mapped on the root, while the child lives.
bool waitForMappedWindow(xcb_connection_t *x, pid_t child)
{
    const double deadline = monotonicMs() + WindowTimeoutMs;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (monotonicMs() < deadline) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            free(event);
            if (mapped)
                return true;
        }
        if (xcb_connection_has_error(x) || waitpid(child, nullptr, WNOHANG) == child)
            return false;
        poll(&fd, 1, 5);
    }
    return false;
}

// Drops what the X server still reports of a program that is gone.
void drainEvents(xcb_connection_t *x)
{
    free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    while (xcb_generic_event_t *event = xcb_poll_for_event(x))
        free(event);
}

start_figures startOnce(xcb_connection_t *x, const program &p)
{
    drainEvents(x);
    start_figures figures;
    const double start = monotonicMs();
    const pid_t child = fork();
    if (child == 0) {
        if (!p.workingDirectory.empty() && chdir(p.workingDirectory.c_str()) != 0)
            _exit(127);
        // What the programs say on their way up would bury the figures.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execlp(p.path.c_str(), p.path.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    if (child < 0)
        return figures;
    figures.mapped = waitForMappedWindow(x, child);
    if (figures.mapped) {
        figures.wallMs = monotonicMs() - start;
        figures.cpuMs = cpuMsOf(child);
        figures.peakRssMb = peakRssMbOf(child);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return figures;
}

void printSeries(const char *name, const program_series &s)
{
    std::printf("  %s\n", name);
    s.wall.print("to the mapped window", "ms", 4);
    s.cpu.print("CPU time by then", "ms", 4);
    s.rss.print("peak resident memory by then", "MB", 4);
}

} // namespace

int main(int argc, char **argv)
{
    int rounds = DefaultRounds;
    program ours{"ours", ownFolder() + "/../app/varidex625", ""};
    program reference{"reference", "qlcplus", ""};
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--ours") && i + 1 < argc)
            ours.path = argv[++i];
        else if (!std::strcmp(argv[i], "--reference") && i + 1 < argc)
            reference.path = argv[++i];
        else
            rounds = std::max(1, std::atoi(argv[i]));
    }
    // Our program finds its translation files in its working directory; a program given by
    // its path (another build of ours, to compare two builds) starts in its folder too.
    ours.workingDirectory = folderOf(ours.path);
    if (reference.path.find('/') != std::string::npos)
        reference.workingDirectory = folderOf(reference.path);

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "No X display (start the bench under xvfb-run, see its first lines)\n");
        return 2;
    }
    xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    program_series ourSeries, referenceSeries;
    sample_series ratios, cpuRatios;
    for (int round = -WarmUpRounds; round < rounds; ++round) {
        start_figures o, r;
        if (round % 2 == 0) {
            o = startOnce(x, ours);
            r = startOnce(x, reference);
        } else {
            r = startOnce(x, reference);
            o = startOnce(x, ours);
        }
        if (!o.mapped || !r.mapped) {
            std::fprintf(stderr, "%s showed no window within %d ms\n", !o.mapped ? ours.path.c_str()
                                                                               : reference.path.c_str(),
                         WindowTimeoutMs);
            return 2;
        }
        if (round < 0)
            continue;
        ourSeries.wall.add(o.wallMs);
        ourSeries.cpu.add(o.cpuMs);
        ourSeries.rss.add(o.peakRssMb);
        referenceSeries.wall.add(r.wallMs);
        referenceSeries.cpu.add(r.cpuMs);
        referenceSeries.rss.add(r.peakRssMb);
        ratios.add(o.wallMs / r.wallMs);
        cpuRatios.add(o.cpuMs / r.cpuMs);
    }
    xcb_disconnect(x);

    std::printf("Start-up to the first mapped window; %d interleaved rounds after %d warm-up rounds, "
                "median [lowest .. highest]\n",
                rounds, WarmUpRounds);
    printSeries(ours.path.c_str(), ourSeries);
    printSeries(reference.path.c_str(), referenceSeries);
    std::printf("  ours / reference, within each round\n");
    ratios.print("to the mapped window", "", 4);
    cpuRatios.print("CPU time by then", "", 4);
    const bool met = ratios.median() <= Target;
    std::printf("target %.2f: %s\n", Target, met ? "met" : "MISSED");
    return met ? 0 : 1;
}
