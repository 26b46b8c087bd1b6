// Times building a program log of 100,000 entries and writing it to its file.
//   log_bench <folder>

#include "log/ProgramLog.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

using Clock = std::chrono::steady_clock;

namespace {

double Since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".\\";
    const std::string path = folder + "log-bench.txt";
    DeleteFileA(path.c_str());
    const int entries = 100000;

    const Clock::time_point start = Clock::now();
    ProgramLog log;
    for (int i = 0; i < entries; ++i)
        log.Append("Calling m_LogFileSettings.Load().\nline " + std::to_string(i));
    const double built = Since(start);
    const std::size_t length = log.GetText().size();

    const Clock::time_point writeStart = Clock::now();
    const bool written = log.WriteToFile(path);
    const double wrote = Since(writeStart);
    DeleteFileA(path.c_str());
    if (!written) {
        std::printf("The log could not be written.\n");
        return 1;
    }
    std::printf("Program log of %d entries (%zu bytes of text):\n", entries, length);
    std::printf("  build   %8.1f ms\n  write   %8.1f ms\n", built, wrote);
    return 0;
}
