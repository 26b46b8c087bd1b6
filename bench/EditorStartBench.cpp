// Times the editor from process start to its main window being visible, against the floor: a
// program that makes a frame with a menu and a dialog child and nothing more.
//   editorstart_bench <floor.exe> <Zembra.exe> [rounds]
// Runs the two alternately and prints the minimum, the low quartile and their ratios.

#include "BoxTiming.h"
#include "tests/driver/Box.h"
#include "tests/driver/Process.h"
#include "tests/driver/Registry.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace testdriver;
using Clock = std::chrono::steady_clock;

namespace {

// Milliseconds from CreateProcess to a visible top-level window; the window is then closed.
// -1 on failure.
double TimeToWindow(const std::string& commandLine) {
    const Clock::time_point start = Clock::now();
    Process process = Process::Start(commandLine);
    HWND window = nullptr;
    while (window == nullptr && Clock::now() - start < std::chrono::seconds(20)) {
        const std::vector<HWND> windows = VisibleWindows(process.Id());
        if (!windows.empty())
            window = windows.front();
        else
            Sleep(1);
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (window == nullptr)
        return -1;
    PostMessageA(window, WM_CLOSE, 0, 0);
    return process.WaitForExit(milliseconds(20000)) ? ms : -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: editorstart_bench <floor.exe> <Zembra.exe> [rounds]\n");
        return 2;
    }
    const std::string floorLine = "\"" + std::string(argv[1]) + "\"";
    const std::string zembraLine = "\"" + std::string(argv[2]) + "\"";
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20;
    RecordInstallation(FolderOf(argv[2]), "1.0");

    TimeToWindow(floorLine); // warm both programs' files into the cache
    TimeToWindow(zembraLine);
    std::vector<double> floorTimes, zembraTimes;
    for (int i = 0; i < rounds; ++i) {
        floorTimes.push_back(TimeToWindow(floorLine));
        zembraTimes.push_back(TimeToWindow(zembraLine));
    }
    if (std::count(floorTimes.begin(), floorTimes.end(), -1.0) ||
        std::count(zembraTimes.begin(), zembraTimes.end(), -1.0)) {
        std::printf("A run showed no window or did not end.\n");
        return 1;
    }
    std::printf("Process start to visible main window, %d runs each, alternating:\n", rounds);
    std::printf("                      minimum   low quartile\n");
    std::printf("  frame + form floor  %7.1f ms  %7.1f ms\n", Quantile(floorTimes, 0),
                Quantile(floorTimes, 0.25));
    std::printf("  Zembra.exe editor   %7.1f ms  %7.1f ms\n", Quantile(zembraTimes, 0),
                Quantile(zembraTimes, 0.25));
    std::printf("  ratio               %7.3f     %7.3f      (goal: at most 1.2)\n",
                Quantile(zembraTimes, 0) / Quantile(floorTimes, 0),
                Quantile(zembraTimes, 0.25) / Quantile(floorTimes, 0.25));
    return 0;
}
