// Times run mode from process start to the box being visible, against the floor: a program that
// only calls MessageBoxA with the same caption, text and style, and asks for today's controls as
// Zembra does. The same program with the classic controls shows what they cost.
//   runmode_bench <classic boxprobe.exe> <boxprobe.exe with today's controls> <Zembra.exe>
//                 <scratch folder> [rounds]
// Runs the three in turn, with the installation record present and logging switched on, and
// prints the medians and the ratio to the floor.

#include "StartTiming.h"
#include "app/core/ZembraFormat.h"
#include "framework/core/AnsiCodePage.h"
#include "tests/driver/Process.h"
#include "tests/driver/Registry.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace testdriver;

namespace {

const char* const kCaption = "Backup";
const char* const kText = "Shall the backup start now?";
const std::uint32_t kStyle = 0x2000 | 0x20 | 3;

void SetString(HKEY root, const char* name, const std::string& value) {
    testdriver::SetString(root, "Software\\Zembra\\", name, value);
}

std::string WriteDocument(const std::string& folder) {
    const auto bytes =
        ZembraBytes(MessageBoxDesign(AnsiToUnicode(kCaption), AnsiToUnicode(kText), kStyle));
    const std::string path = folder + "bench.zembra";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: runmode_bench <classic boxprobe.exe> <boxprobe.exe> "
                             "<Zembra.exe> <folder> [rounds]\n");
        return 2;
    }
    const std::string classic = argv[1], probe = argv[2], zembra = argv[3], folder = argv[4];
    const int rounds = argc > 5 ? std::atoi(argv[5]) : 10;

    RecordInstallation(FolderOf(zembra), "1.0");
    SetString(HKEY_CURRENT_USER, "bOutputLog", "True");
    SetString(HKEY_CURRENT_USER, "LogPath", folder + "bench-log.txt");
    SetString(HKEY_CURRENT_USER, "nMaxLogSize", "65536");
    const std::string document = WriteDocument(folder);

    const std::string arguments =
        " " + std::to_string(kStyle) + " \"" + kCaption + "\" \"" + kText + "\"";
    const std::string classicLine = "\"" + classic + "\"" + arguments;
    const std::string floorLine = "\"" + probe + "\"" + arguments;
    const std::string zembraLine = "\"" + zembra + "\" RUN \"" + document + "\"";
    TimeToBox(classicLine); // warm the programs' files into the cache
    TimeToBox(floorLine);
    TimeToBox(zembraLine);
    std::vector<double> classicTimes, floorTimes, zembraTimes;
    for (int i = 0; i < rounds; ++i) {
        classicTimes.push_back(TimeToBox(classicLine));
        floorTimes.push_back(TimeToBox(floorLine));
        zembraTimes.push_back(TimeToBox(zembraLine));
    }
    SetString(HKEY_CURRENT_USER, "bOutputLog", "False");
    const auto failed = [](const std::vector<double>& times) {
        return std::count(times.begin(), times.end(), -1.0) != 0;
    };
    if (failed(classicTimes) || failed(floorTimes) || failed(zembraTimes)) {
        std::printf("A run did not show its box or did not end.\n");
        return 1;
    }
    const double floorMedian = Median(floorTimes), zembraMedian = Median(zembraTimes);
    std::printf("Process start to visible box, median of %d runs each:\n", rounds);
    std::printf("  MessageBoxA alone, classic controls   %8.1f ms\n", Median(classicTimes));
    std::printf("  MessageBoxA alone, today's controls   %8.1f ms\n", floorMedian);
    std::printf("  Zembra.exe RUN                        %8.1f ms\n", zembraMedian);
    std::printf("  ratio to today's controls alone       %8.3f   (goal: at most 1.10)\n",
                zembraMedian / floorMedian);
    return 0;
}
