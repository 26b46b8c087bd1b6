// Times zembra-cli's ask from process start to the box being visible, against the floor: a
// program that only calls MessageBoxA with the same caption, text and style.
//   cliask_bench <boxprobe.exe> <zembra-cli.exe> [rounds]
// Runs the two alternately and prints the minimum, the low quartile and their ratios.

#include "BoxTiming.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: cliask_bench <boxprobe.exe> <zembra-cli.exe> [rounds]\n");
        return 2;
    }
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 25;
    // Question, Yes/No/Cancel, normal priority: 0x2023.
    const std::string floorLine =
        "\"" + std::string(argv[1]) + "\" 8227 \"Backup\" \"Shall the backup start now?\"";
    const std::string askLine = "\"" + std::string(argv[2]) +
                                "\" ask --caption Backup --text \"Shall the backup start now?\""
                                " --icon question --buttons yes-no-cancel";

    TimeToBox(floorLine); // warm both programs' files into the cache
    TimeToBox(askLine);
    std::vector<double> floorTimes, askTimes;
    for (int i = 0; i < rounds; ++i) {
        floorTimes.push_back(TimeToBox(floorLine));
        askTimes.push_back(TimeToBox(askLine));
    }
    if (std::count(floorTimes.begin(), floorTimes.end(), -1.0) ||
        std::count(askTimes.begin(), askTimes.end(), -1.0)) {
        std::printf("A run showed no box or did not end.\n");
        return 1;
    }
    std::printf("Process start to visible box, %d runs each, alternating:\n", rounds);
    std::printf("                      minimum   low quartile\n");
    std::printf("  MessageBoxA alone   %7.1f ms  %7.1f ms\n", Quantile(floorTimes, 0),
                Quantile(floorTimes, 0.25));
    std::printf("  zembra-cli ask      %7.1f ms  %7.1f ms\n", Quantile(askTimes, 0),
                Quantile(askTimes, 0.25));
    std::printf("  ratio               %7.3f     %7.3f      (goal: at most 1.1)\n",
                Quantile(askTimes, 0) / Quantile(floorTimes, 0),
                Quantile(askTimes, 0.25) / Quantile(floorTimes, 0.25));
    return 0;
}
