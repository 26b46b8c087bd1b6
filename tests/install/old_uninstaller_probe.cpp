// An old uninstaller whose removal script outlives it, for the installer's wait. Started by the
// installer (with "Silent") it starts its "script" and ends at once with exit code 0; what the
// script does is chosen by the test through the environment, which the installer passes on:
//   ZEMBRA_PROBE_MODE=stuck  the script keeps running (20 s at most); the uninstaller's file stays
//   ZEMBRA_PROBE_MODE=slow   the script runs from a copy of this program (ZEMBRA_PROBE_COPY),
//                            deletes the uninstaller's file once the uninstaller has ended, then,
//                            a moment later, deletes "Uninstall.exe" in the same folder once more,
//                            as a removal script still polling by name would
//   ZEMBRA_PROBE_MODE=late   as slow, but the second deletion comes 9 seconds later
//   ZEMBRA_PROBE_MODE=record no script: appends its own path and command line ("path|arguments")
//                            as a line to the file ZEMBRA_PROBE_RECORD, and ends with exit code 1
// Internal command lines of the script: "hold" and "script <pause ms> <uninstaller id>
// <uninstaller path>".

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool Start(const std::string& program, const std::string& arguments) {
    std::string command = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

int Script(const char* arguments) {
    char* rest = nullptr;
    const DWORD pause = std::strtoul(arguments, &rest, 10);
    const DWORD uninstallerId = std::strtoul(rest, &rest, 10);
    const std::string uninstallerPath = rest != nullptr ? rest + 1 : "";
    const HANDLE uninstaller = OpenProcess(SYNCHRONIZE, FALSE, uninstallerId);
    if (uninstaller != nullptr) {
        WaitForSingleObject(uninstaller, 10000);
        CloseHandle(uninstaller);
    }
    DeleteFileA(uninstallerPath.c_str());
    Sleep(pause);
    DeleteFileA(uninstallerPath.c_str());
    return 0;
}

int Record(const char* self, const char* commandLine) {
    const std::string line = std::string(self) + "|" + commandLine + "\r\n";
    const HANDLE file = CreateFileA(Environment("ZEMBRA_PROBE_RECORD").c_str(), FILE_APPEND_DATA, 0,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return 1;
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    if (std::strncmp(commandLine, "hold", 4) == 0) {
        Sleep(20000);
        return 0;
    }
    if (std::strncmp(commandLine, "script ", 7) == 0)
        return Script(commandLine + 7);
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string mode = Environment("ZEMBRA_PROBE_MODE");
    if (mode == "record")
        return Record(self, commandLine);
    if (mode == "slow" || mode == "late") {
        const std::string copy = Environment("ZEMBRA_PROBE_COPY");
        if (!CopyFileA(self, copy.c_str(), FALSE))
            return 2;
        const char* pause = mode == "slow" ? "700 " : "9000 ";
        return Start(copy, "script " + std::string(pause) + std::to_string(GetCurrentProcessId()) +
                               " " + self)
                   ? 0
                   : 2;
    }
    return Start(self, "hold") ? 0 : 2;
}
