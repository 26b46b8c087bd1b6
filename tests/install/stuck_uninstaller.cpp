// An old uninstaller whose removal script hangs: started with any parameters it starts a copy of
// itself that keeps running (20 s at most) and ends at once with exit code 0, leaving its own file
// in place.
//   stuck_uninstaller Silent   the uninstaller
//   stuck_uninstaller hold     the stuck script

#include <windows.h>

#include <cstring>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    if (std::strstr(commandLine, "hold") != nullptr) {
        Sleep(20000);
        return 0;
    }
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = std::string("\"") + path + "\" hold";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return 2;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return 0;
}
