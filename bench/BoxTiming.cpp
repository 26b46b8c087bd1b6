#include "BoxTiming.h"

#include "tests/driver/Box.h"
#include "tests/driver/Process.h"

#include <windows.h>

#include <algorithm>
#include <chrono>

using namespace testdriver;
using Clock = std::chrono::steady_clock;

double TimeToBox(const std::string& commandLine) {
    const Clock::time_point start = Clock::now();
    Process process = Process::Start(commandLine);
    HWND box = nullptr;
    while (box == nullptr && Clock::now() - start < std::chrono::seconds(20)) {
        const std::vector<HWND> boxes = VisibleBoxes(process.Id());
        if (!boxes.empty())
            box = boxes.front();
        else
            Sleep(1);
    }
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (box == nullptr || !PressButton(box, IDYES) || !process.WaitForExit(milliseconds(20000)))
        return -1;
    return ms;
}

double Quantile(std::vector<double> values, double q) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
}
