// Times the editor from process start to its main window being visible, against the floor: a
// program that makes a frame with a menu and a dialog child and nothing more.
//   editorstart_bench <floor.exe> <Zembra.exe> [rounds]
// Runs the two alternately and prints the minimum, the low quartile and their ratios.

#include "StartTiming.h"
#include "tests/driver/Process.h"
#include "tests/driver/Registry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: editorstart_bench <floor.exe> <Zembra.exe> [rounds]\n");
        return 2;
    }
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 20;
    testdriver::RecordInstallation(testdriver::FolderOf(argv[2]), "1.0");
    return CompareAlternating(TimeToWindow, "visible main window",
                              {"frame + form floor", "\"" + std::string(argv[1]) + "\""},
                              {"Zembra.exe editor", "\"" + std::string(argv[2]) + "\""}, rounds,
                              "at most 1.2");
}
