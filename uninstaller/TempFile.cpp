#include "Uninstaller.h"

#include "framework/UniqueHandle.h"
#include "framework/core/PathText.h"
#include "support/core/RegistryLayout.h"
#include "uninstaller/core/SelfRemovalScript.h"

namespace {

// How many names a temporary file can have: "TMP1" to "TMPffff".
constexpr unsigned kTempNumbers = 0xFFFF;

} // namespace

std::string GetTempDirectory() {
    char buffer[MAX_PATH] = "";
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    // A longer folder does not fit: the buffer then holds nothing of it.
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(buffer, length);
}

std::string GetWindowsTempDirectory() {
    char buffer[MAX_PATH] = "";
    const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return WithTrailingBackslash(std::string(buffer, length)) + "Temp\\";
}

std::string GetScriptDirectory() {
    const std::string windowsTemp = GetWindowsTempDirectory();
    char probe[MAX_PATH] = "";
    if (!windowsTemp.empty() && GetTempFileNameA(windowsTemp.c_str(), "TMP", 0, probe) != 0) {
        DeleteFileA(probe);
        return windowsTemp;
    }
    return GetTempDirectory();
}

std::string MakeTempFileName(const std::string& folder, const std::string& extension) {
    if (folder.empty())
        return std::string();
    char name[MAX_PATH] = "";
    if (GetTempFileNameA(folder.c_str(), "TMP", 0, name) == 0)
        return std::string();
    if (!DeleteFileA(name))
        return std::string();
    return CreateNewTempFile(folder, uninstaller::TempNameNumber(name), extension);
}

std::string CreateNewTempFile(const std::string& folder, unsigned unique,
                              const std::string& extension) {
    if (unique == 0 || unique > kTempNumbers)
        unique = uninstaller::NextTempNumber(unique);
    for (unsigned tried = 0; tried < kTempNumbers;
         ++tried, unique = uninstaller::NextTempNumber(unique)) {
        // With a number of its own the system only forms the name; it creates nothing.
        char name[MAX_PATH] = "";
        if (GetTempFileNameA(folder.c_str(), "TMP", unique, name) == 0)
            return std::string();
        const std::string path = uninstaller::WithExtension(name, extension);
        if (path.empty())
            return std::string();
        const FileHandle created(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        if (created)
            return path;
        // A file (or a folder) of that name is someone else's: never reused, whatever it holds.
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS &&
            error != ERROR_ACCESS_DENIED)
            return std::string();
    }
    return std::string();
}
