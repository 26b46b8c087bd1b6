#include "tests/driver/Files.h"

#include "tests/driver/Handles.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Process.h"

#include <windows.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testdriver {

std::string TempFolder() {
    char buffer[MAX_PATH] = "";
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

bool FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

template <typename Path> std::optional<std::string> ReadWhole(const Path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

} // namespace

std::optional<std::string> ReadFileBytes(const std::string& path) {
    return ReadWhole(path);
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
    return ReadWhole(path.c_str());
}

bool WaitForFileBytes(const std::string& path, const std::string& bytes,
                      std::chrono::milliseconds limit) {
    return WaitUntil(
        [&] {
            WIN32_FILE_ATTRIBUTE_DATA data{};
            return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
                   data.nFileSizeHigh == 0 && data.nFileSizeLow == bytes.size() &&
                   ReadFileBytes(path) == bytes;
        },
        limit);
}

std::vector<FolderEntry> EntriesMatching(const std::string& pattern) {
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA found;
    const FindHandle search(FindFirstFileA(pattern.c_str(), &found));
    for (bool more = static_cast<bool>(search); more; more = FindNextFileA(search.Get(), &found)) {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    }
    return entries;
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const FolderEntry& entry : EntriesMatching(folder + "*")) {
        if (!entry.isFolder)
            names.push_back(entry.name);
    }
    return names;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

void CreateFolders(const std::string& path) {
    for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}

void RemoveTree(const std::string& path) {
    std::string folder = path;
    if (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        if (!RemoveDirectoryA(folder.c_str()))
            DeleteFileA(folder.c_str());
        return;
    }
    for (const FolderEntry& entry : EntriesMatching(folder + "\\*")) {
        const std::string child = folder + "\\" + entry.name;
        if (entry.isFolder) {
            RemoveTree(child);
        } else {
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(child.c_str());
        }
    }
    RemoveDirectoryA(folder.c_str());
}

namespace {

// The Unix path Wine maps a Windows path to; empty outside Wine.
std::string UnixPathOf(const std::string& path) {
    using Convert = char*(CDECL*)(const wchar_t*);
    const FARPROC found =
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name");
    // Through a function type of no arguments, to which every function pointer converts.
    const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void (*)()>(found));
    wchar_t wide[MAX_PATH] = L"";
    if (convert == nullptr || MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) == 0)
        return std::string();
    char* unixPath = convert(wide);
    if (unixPath == nullptr)
        return std::string();
    std::string result = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return result;
}

} // namespace

bool MakeFolderLink(const std::string& link, const std::string& target) {
    std::string folder = link;
    while (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    const std::size_t name = folder.find_last_of('\\');
    const std::string unixTarget = UnixPathOf(target);
    const std::string unixFolder = UnixPathOf(folder.substr(0, name));
    if (unixTarget.empty() || unixFolder.empty() || name == std::string::npos)
        return false;
    // Wine starts a Unix program as it starts a Windows one, but gives nothing to wait for: the
    // link is awaited instead.
    try {
        Process::Start("Z:\\bin\\ln -s \"" + unixTarget + "\" \"" + unixFolder + "/" +
                       folder.substr(name + 1) + "\"");
    } catch (const std::runtime_error&) {
        return false;
    }
    return WaitUntil(
        [&] {
            const DWORD attributes = GetFileAttributesA(folder.c_str());
            return attributes != INVALID_FILE_ATTRIBUTES &&
                   (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        },
        std::chrono::milliseconds(5000));
}

} // namespace testdriver
