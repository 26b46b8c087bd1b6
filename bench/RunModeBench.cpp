// Times run mode from process start to the box being visible, against the floor: a program that
// only calls MessageBoxA with the same caption, text and style, and asks for today's controls as
// Zembra does. The same program with the classic controls shows what they cost.
//   runmode_bench <classic boxprobe.exe> <boxprobe.exe with today's controls> <Zembra.exe>
//                 <scratch folder> [rounds]
// Runs each pair alternately, with the installation record present and logging switched on, and
// prints the minimum and the low quartile of each and their ratios.

#include "StartTiming.h"
#include "app/core/ZembraFormat.h"
#include "tests/driver/Process.h"
#include "tests/driver/Registry.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

using namespace testdriver;

namespace {

const char* const kCaption = "Backup";
const char* const kText = "Shall the backup start now?";
const std::uint32_t kStyle = 0x2000 | 0x20 | 3;

void SetString(HKEY root, const char* name, const std::string& value) {
    testdriver::SetString(root, "Software\\Zembra\\", name, value);
}

std::string WriteDocument(const std::string& folder) {
    const auto bytes = ZembraBytes(MessageBoxDesign(kCaption, kText, kStyle));
    const std::string path = folder + "bench.zembra";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: runmode_bench <classic boxprobe.exe> <boxprobe.exe> "
                             "<Zembra.exe> <folder> [rounds]\n");
        return 2;
    }
    const std::string classicProbe = argv[1], probe = argv[2], zembra = argv[3], folder = argv[4];
    const int rounds = argc > 5 ? std::atoi(argv[5]) : 21;

    RecordInstallation(FolderOf(zembra), "1.0");
    SetString(HKEY_CURRENT_USER, "bOutputLog", "True");
    SetString(HKEY_CURRENT_USER, "LogPath", folder + "bench-log.txt");
    SetString(HKEY_CURRENT_USER, "nMaxLogSize", "65536");
    const std::string document = WriteDocument(folder);

    const std::string arguments =
        " " + std::to_string(kStyle) + " \"" + kCaption + "\" \"" + kText + "\"";
    const Contender classic = {"classic controls", "\"" + classicProbe + "\"" + arguments};
    const Contender floor = {"MessageBoxA alone", "\"" + probe + "\"" + arguments};
    const Contender program = {"Zembra.exe RUN", "\"" + zembra + "\" RUN \"" + document + "\""};
    // What today's controls cost a bare box, then what Zembra adds to that.
    int failed = CompareAlternating(TimeToBox, "visible box", classic, floor, rounds,
                                    "the cost of today's controls, for information");
    failed |= CompareAlternating(TimeToBox, "visible box", floor, program, rounds, "at most 1.10");
    SetString(HKEY_CURRENT_USER, "bOutputLog", "False");
    return failed;
}
