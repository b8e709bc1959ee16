// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts kwelt's start-up probe and a bare Qt program in turn, several times each, on the
// offscreen platform, and prints the median time from process start to first paint and the
// median peak memory of each, with their ratios.

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Run
{
    double milliseconds;
    long peakKiB;
};

Run runOnce(const char* program, const char* argument = nullptr)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, argument, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not run to its first paint\n", program);
        std::exit(1);
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    // Offscreen unless a platform is named, such as xcb on a real X display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        // Qt asks for a private runtime folder and complains on every run without one.
        static std::string runtime = "/tmp/kwelt-bench-runtime";
        mkdir(runtime.c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }

    std::vector<double> kweltTimes, bareTimes, thaiTimes, timeRatios, memoryRatios;
    std::vector<long> kweltPeaks, barePeaks, thaiPeaks;
    runOnce(KWELT_PROBE); // warm the file cache for both
    runOnce(BARE_PROBE);
    for (int i = 0; i < runs; ++i) {
        const Run k = runOnce(KWELT_PROBE);
        const Run b = runOnce(BARE_PROBE);
        const Run t = runOnce(BARE_PROBE, "thai-label");
        thaiTimes.push_back(t.milliseconds);
        // Each kwelt run against the floor run next to it: the machine's drift cancels out.
        timeRatios.push_back(k.milliseconds / t.milliseconds);
        memoryRatios.push_back(static_cast<double>(k.peakKiB) / static_cast<double>(t.peakKiB));
        thaiPeaks.push_back(t.peakKiB);
        kweltTimes.push_back(k.milliseconds);
        kweltPeaks.push_back(k.peakKiB);
        bareTimes.push_back(b.milliseconds);
        barePeaks.push_back(b.peakKiB);
    }
    const double kt = median(kweltTimes), bt = median(bareTimes);
    const long km = median(kweltPeaks), bm = median(barePeaks);
    const char* points = std::getenv("KWELT_BENCH_POINTS");
    const char* locale = std::getenv("LANG");
    std::printf("runs each:                      %d (%s, desktop font %s pt, LANG=%s, process start to first paint)\n",
        runs, std::getenv("QT_QPA_PLATFORM"), points != nullptr ? points : "default",
        locale != nullptr ? locale : "unset");
    std::printf("kwelt start-up:                 %.1f ms median, %ld KiB peak memory\n", kt, km);
    std::printf("bare Qt window:                 %.1f ms median, %ld KiB peak memory\n", bt, bm);
    std::printf(
        "bare Qt window, one Thai label: %.1f ms median, %ld KiB peak memory\n", median(thaiTimes), median(thaiPeaks));
    std::printf("ratio kwelt / bare:             time %.3f, memory %.3f (for reference)\n", kt / bt,
        static_cast<double>(km) / static_cast<double>(bm));
    // A window with Thai text pays for Thai shaping and word breaking before it draws: that
    // window is the floor that kwelt's own work is measured against.
    std::printf("ratio kwelt / Thai label:       time %.3f (target <= 1.10), memory %.3f (target <= 1.08), medians of"
                " the paired runs' ratios\n",
        median(timeRatios), median(memoryRatios));
    return 0;
}
