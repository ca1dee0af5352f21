// SPDX-License-Identifier: MIT
// Starts programs that print "first-paint <monotonic ns>" at their first
// frame, interleaved, and prints exec-to-first-paint times and peak memory
// against the last program named, the yardstick.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

struct Run
{
    double milliseconds = -1;
    long peakKilobytes = 0;
};

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

Run launch(const char *program)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const long long start = monotonicNanoseconds();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    Run run;
    if (spawned != 0) {
        close(fds[0]);
        return run;
    }
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const size_t at = output.find("first-paint ");
    if (at != std::string::npos)
        run.milliseconds = (std::atoll(output.c_str() + at + 12) - start) / 1e6;
    run.peakKilobytes = usage.ru_maxrss;
    return run;
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int programs = argc - 2;
    std::vector<std::vector<Run>> results(static_cast<size_t>(programs));
    for (int p = 0; p < programs; ++p)
        launch(argv[2 + p]); // warm-up: caches, fonts, the X server
    for (int i = 0; i < runs; ++i) {
        for (int p = 0; p < programs; ++p)
            results[static_cast<size_t>(p)].push_back(launch(argv[2 + p]));
    }
    // Markdown table rows: measure | median | min | max | note. The first
    // program is compared with the last, the yardstick.
    double yardstickTime = 0;
    double yardstickPeak = 0;
    std::vector<std::string> rows;
    for (int p = programs - 1; p >= 0; --p) {
        std::vector<double> times;
        std::vector<long> peaks;
        for (const Run &run : results[static_cast<size_t>(p)]) {
            if (run.milliseconds < 0) {
                std::fprintf(stderr, "%s did not report its first paint\n", argv[2 + p]);
                return 1;
            }
            times.push_back(run.milliseconds);
            peaks.push_back(run.peakKilobytes);
        }
        const double time = median(times);
        const double peak = median(peaks) / 1024.0;
        if (p == programs - 1) {
            yardstickTime = time;
            yardstickPeak = peak;
        }
        const char *name = std::strrchr(argv[2 + p], '/');
        char row[512];
        std::snprintf(row, sizeof row,
                      "| start-up of %s, exec to first paint | %.1f ms | %.1f ms | %.1f ms | "
                      "peak %.1f MiB; %.2fx the time and %.2fx the memory of the yardstick |\n",
                      name ? name + 1 : argv[2 + p], time,
                      *std::min_element(times.begin(), times.end()),
                      *std::max_element(times.begin(), times.end()), peak, time / yardstickTime,
                      peak / yardstickPeak);
        rows.insert(rows.begin(), row);
    }
    for (const std::string &row : rows)
        std::fputs(row.c_str(), stdout);
    return 0;
}
