#include "StartTiming.h"

#include "tests/driver/Box.h"
#include "tests/driver/Process.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace testdriver;
using Clock = std::chrono::steady_clock;

namespace {

// Milliseconds from CreateProcess to the first window find gives, which answer then ends.
template <typename Find, typename Answer>
double TimeTo(const std::string& commandLine, Find find, Answer answer) {
    const Clock::time_point start = Clock::now();
    Process process = Process::Start(commandLine);
    HWND window = nullptr;
    while (window == nullptr && Clock::now() - start < std::chrono::seconds(20)) {
        const std::vector<HWND> windows = find(process.Id());
        if (!windows.empty())
            window = windows.front();
        else
            Sleep(1);
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (window == nullptr || !answer(window) || !process.WaitForExit(milliseconds(20000)))
        return -1;
    return ms;
}

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
}

} // namespace

double TimeToBox(const std::string& commandLine) {
    return TimeTo(commandLine, VisibleBoxes, [](HWND box) { return PressButton(box, IDYES); });
}

double TimeToWindow(const std::string& commandLine) {
    return TimeTo(commandLine, VisibleWindows,
                  [](HWND window) { return PostMessageA(window, WM_CLOSE, 0, 0) != 0; });
}

int CompareAlternating(double (*measure)(const std::string&), const char* what,
                       const Contender& floor, const Contender& program, int rounds,
                       const char* goal) {
    measure(floor.commandLine); // warm both programs' files into the cache
    measure(program.commandLine);
    std::vector<double> floorTimes, programTimes;
    for (int i = 0; i < rounds; ++i) {
        floorTimes.push_back(measure(floor.commandLine));
        programTimes.push_back(measure(program.commandLine));
    }
    if (std::count(floorTimes.begin(), floorTimes.end(), -1.0) ||
        std::count(programTimes.begin(), programTimes.end(), -1.0)) {
        std::printf("A run showed nothing or did not end.\n");
        return 1;
    }
    std::printf("Process start to %s, %d runs each, alternating:\n", what, rounds);
    std::printf("                      minimum   low quartile\n");
    std::printf("  %-18s  %7.1f ms  %7.1f ms\n", floor.name, Quantile(floorTimes, 0),
                Quantile(floorTimes, 0.25));
    std::printf("  %-18s  %7.1f ms  %7.1f ms\n", program.name, Quantile(programTimes, 0),
                Quantile(programTimes, 0.25));
    std::printf("  ratio               %7.3f     %7.3f      (goal: %s)\n",
                Quantile(programTimes, 0) / Quantile(floorTimes, 0),
                Quantile(programTimes, 0.25) / Quantile(floorTimes, 0.25), goal);
    return 0;
}
