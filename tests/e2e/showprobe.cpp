// showprobe: stands in for the program the shell starts for a document. It records how it was
// started and ends at once.
//
//   showprobe.exe <record file> <document>
//
// The record file gets three lines: the whole command line, the document argument as the
// program received it, and the show command the starter asked for (STARTUPINFO's wShowWindow
// when STARTF_USESHOWWINDOW is set, otherwise -1). It is written under another name first and
// then renamed, so that a reader never sees half of it.

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc < 3)
        return 2;
    const std::string record = __argv[1];
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    const std::string partial = record + ".partial";
    {
        std::ofstream out(partial, std::ios::binary);
        out << GetCommandLineA() << '\n' << __argv[2] << '\n' << show << '\n';
        if (!out)
            return 3;
    }
    return MoveFileExA(partial.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 4;
}
