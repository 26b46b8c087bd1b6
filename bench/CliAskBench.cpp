// Times zembra-cli's ask from process start to the box being visible, against the floor: a
// program that only calls MessageBoxA with the same caption, text and style.
//   cliask_bench <boxprobe.exe> <zembra-cli.exe> [rounds]
// Runs the two alternately and prints the minimum, the low quartile and their ratios.

#include "StartTiming.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: cliask_bench <boxprobe.exe> <zembra-cli.exe> [rounds]\n");
        return 2;
    }
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 25;
    // The same box both ways: question, Yes/No/Cancel, normal priority (0x2023 = 8227).
    const std::string text = "\"Shall the backup start now?\"";
    const Contender floor{"MessageBoxA alone",
                          "\"" + std::string(argv[1]) + "\" 8227 Backup " + text};
    const Contender ask{"zembra-cli ask", "\"" + std::string(argv[2]) +
                                              "\" ask --caption Backup --text " + text +
                                              " --icon question --buttons yes-no-cancel"};
    return CompareAlternating(TimeToBox, "visible box", floor, ask, rounds, "at most 1.1");
}
