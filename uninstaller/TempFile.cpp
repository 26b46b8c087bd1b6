#include "Uninstaller.h"

#include "uninstaller/core/SelfRemovalScript.h"

std::string GetTempDirectory() {
    char buffer[MAX_PATH] = "";
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    // A longer folder does not fit: the buffer then holds nothing of it.
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(buffer, length);
}

std::string MakeTempFileName(const std::string& extension) {
    const std::string folder = GetTempDirectory();
    if (folder.empty())
        return std::string();
    char name[MAX_PATH] = "";
    if (GetTempFileNameA(folder.c_str(), "TMP", 0, name) == 0)
        return std::string();
    if (!DeleteFileA(name))
        return std::string();
    return uninstaller::WithExtension(name, extension);
}
