// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Time from launch to a visible main window, under Wine (or on Windows), for each program named:
// each run starts the program, waits until a visible top-level window of its process exists, and
// ends the process. The programs take turns in each round, in an order that rotates from round to
// round, all in one Wine session; one round first, not counted, warms Wine's caches. Prints the
// median, the fastest and the slowest run of each, and the ratio of each median to the first's.
//   kwelt_wine_startup_bench RUNS PROGRAM [PROGRAM...]

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search
{
    DWORD process;
    bool found;
};

BOOL CALLBACK visibleWindowOf(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

double now()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return double(f.QuadPart);
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return double(counter.QuadPart) * 1000.0 / frequency;
}

// Milliseconds from CreateProcess to the program's first visible window; negative on failure.
double timeToWindow(const std::string& program)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + program + "\"";
    const double started = now();
    if (!CreateProcessA(
            program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    Search search{process.dwProcessId, false};
    double elapsed = -1;
    while (now() - started < 30000) {
        EnumWindows(visibleWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            elapsed = now() - started;
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            break; // ended without a window
        }
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM [PROGRAM...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::vector<std::string> programs(argv + 2, argv + argc);
    std::vector<std::vector<double>> times(programs.size());
    for (int round = -1; round < runs; ++round) {
        for (std::size_t turn = 0; turn < programs.size(); ++turn) {
            const std::size_t which = (turn + std::size_t(round + 1)) % programs.size();
            const double elapsed = timeToWindow(programs[which]);
            if (elapsed < 0) {
                std::fprintf(stderr, "%s showed no window\n", programs[which].c_str());
                return 1;
            }
            if (round >= 0) {
                times[which].push_back(elapsed);
            }
        }
    }
    const double first = median(times[0]);
    std::printf("%d paired runs; time from launch to a visible main window, in ms\n", runs);
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const auto [fastest, slowest] = std::minmax_element(times[i].begin(), times[i].end());
        std::printf("%-60s median %7.1f  fastest %7.1f  slowest %7.1f  ratio %.3f\n", programs[i].c_str(),
            median(times[i]), *fastest, *slowest, median(times[i]) / first);
    }
    return 0;
}
