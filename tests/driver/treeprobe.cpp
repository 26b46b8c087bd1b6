// treeprobe hold <event>          waits (at most 20 s) until the named event is set; it sets
//                                 "<event>.ready" first, so a test knows it runs
// treeprobe start <command line>  starts the command line without a console window and ends
// treeprobe shell <file>          opens the file through the shell, hidden, and ends
// A program that leaves processes behind, for the test driver's own tests of following them.
// Exits with 0, or 2 when the arguments are wrong or the action fails.

#include <windows.h>

#include <shellapi.h>

#include <cstring>
#include <string>

namespace {

constexpr DWORD kHoldLimitMs = 20000;

// What follows the program name and the action word on the command line, exactly as given.
std::string RestOfCommandLine() {
    const char* p = GetCommandLineA();
    if (*p == '"') {
        p = std::strchr(p + 1, '"');
        p = p ? p + 1 : "";
    } else {
        while (*p && *p != ' ' && *p != '\t')
            ++p;
    }
    for (int word = 0; word < 2; ++word) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (word == 0) {
            while (*p && *p != ' ' && *p != '\t')
                ++p;
        }
    }
    return p;
}

int Hold(const char* name) {
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, name);
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, (std::string(name) + ".ready").c_str());
    if (!release || !ready)
        return 2;
    SetEvent(ready);
    CloseHandle(ready);
    const DWORD waited = WaitForSingleObject(release, kHoldLimitMs);
    CloseHandle(release);
    return waited == WAIT_OBJECT_0 ? 0 : 2;
}

int Start(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &info))
        return 2;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return 0;
}

int Shell(const char* file) {
    SHELLEXECUTEINFOA execute{};
    execute.cbSize = sizeof(execute);
    execute.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    execute.lpVerb = "open";
    execute.lpFile = file;
    execute.nShow = SW_HIDE;
    return ShellExecuteExA(&execute) ? 0 : 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "hold") == 0)
        return Hold(argv[2]);
    if (argc >= 3 && std::strcmp(argv[1], "start") == 0)
        return Start(RestOfCommandLine());
    if (argc == 3 && std::strcmp(argv[1], "shell") == 0)
        return Shell(argv[2]);
    return 2;
}
