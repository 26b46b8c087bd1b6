#include "tests/uninstall/Installation.h"

#include "support/DesktopPath.h"
#include "support/RegistryEntries.h"
#include "tests/driver/Process.h"

#include <atomic>

namespace uninstalltest {

const KeyName kNeighbourKeys[5] = {
    {HKEY_CLASSES_ROOT, ".zembra2"},
    {HKEY_CLASSES_ROOT, "Zembra.Document.2"},
    {HKEY_CURRENT_USER, "Software\\ZembraNeighbour"},
    {HKEY_LOCAL_MACHINE, "Software\\ZembraNeighbour"},
    {HKEY_LOCAL_MACHINE,
     "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\ZembraNeighbour"},
};

namespace {

// Creates every missing folder along path (which ends in a backslash); returns those it created,
// deepest last.
std::vector<std::string> CreateFolders(const std::string& path) {
    std::vector<std::string> created;
    for (std::size_t end = path.find('\\', 3); end != std::string::npos;
         end = path.find('\\', end + 1)) {
        const std::string folder = path.substr(0, end + 1);
        if (!FolderExists(folder) && CreateDirectoryA(folder.c_str(), nullptr))
            created.push_back(folder);
    }
    return created;
}

} // namespace

std::string WindowsTempFolder() {
    char buffer[MAX_PATH] = "";
    const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
    return std::string(buffer, length) + "\\Temp\\";
}

RegistryGuard::RegistryGuard() {
    for (const KeyName& tree : ProductTrees())
        m_saved.push_back(std::make_unique<SavedTree>(tree.root, tree.path));
    for (const KeyName& neighbour : kNeighbourKeys) {
        m_saved.push_back(std::make_unique<SavedTree>(neighbour.root, neighbour.path));
        SetString(neighbour.root, neighbour.path, "", "neighbour");
        SetString(neighbour.root, neighbour.path + "\\Child", "Name", "child");
    }
}

std::string EmptyDocument() {
    const double version = 1.0;
    std::string bytes(reinterpret_cast<const char*>(&version), sizeof version);
    bytes += std::string(8, '\0');
    bytes += std::string("\0\x20\0\0", 4);
    return bytes;
}

std::string BuiltUninstallerPath() {
    return testdriver::WindowsPathOf(UNINSTALL_EXE_PATH);
}

std::string BuiltZembraPath() {
    return testdriver::WindowsPathOf(ZEMBRA_EXE_PATH);
}

Installation::Installation() {
    static std::atomic<int> counter{0};
    m_folder = TempFolder() + "Zembra installed " + std::to_string(GetCurrentProcessId()) + "-" +
               std::to_string(counter++) + "\\";
    CreateDirectoryA(m_folder.c_str(), nullptr);
    CopyFileA(BuiltZembraPath().c_str(), FilePath("Zembra.exe").c_str(), FALSE);
    CopyFileA(BuiltUninstallerPath().c_str(), UninstallerPath().c_str(), FALSE);
    CopyFileA(testdriver::WindowsPathOf(ZEMBRA_CLI_PATH).c_str(),
              FilePath("zembra-cli.exe").c_str(), FALSE);
    const std::string payload = testdriver::WindowsPathOf(ZEMBRA_PAYLOAD_FOLDER);
    for (const char* name : {"FileType Icon.ico", "Help.htm"})
        CopyFileA((payload + name).c_str(), FilePath(name).c_str(), FALSE);
    WriteFileBytes(FilePath("New MessageBox.zembra"), EmptyDocument());
    WriteRegistryEntries(m_folder);
    // The settings a user's editor keeps.
    SetString(HKEY_CURRENT_USER, "Software\\Zembra", "bOutputLog", "False");
    SetString(HKEY_CURRENT_USER, "Software\\Zembra", "nMaxLogSize", "65536");
    // No path of its own: the log goes to the default, beside the program.
    RegDeleteKeyValueA(HKEY_CURRENT_USER, "Software\\Zembra", "LogPath");

    const std::string desktop = GetCommonDesktopPath();
    m_createdFolders = CreateFolders(desktop);
    m_shortcut = desktop + "Zembra.lnk";
    WriteFileBytes(m_shortcut, "shortcut");
}

Installation::~Installation() {
    testdriver::RemoveTree(m_folder);
    DeleteFileA(m_shortcut.c_str());
    for (auto folder = m_createdFolders.rbegin(); folder != m_createdFolders.rend(); ++folder)
        RemoveDirectoryA(folder->c_str());
}

std::vector<std::string> Installation::RemovedFiles() const {
    std::vector<std::string> files;
    for (const char* name : {"Zembra.exe", "FileType Icon.ico", "Help.htm", "New MessageBox.zembra",
                             "zembra-cli.exe", "Uninstall.exe"})
        files.push_back(FilePath(name));
    files.push_back(m_shortcut);
    return files;
}

bool Installation::IsComplete() const {
    for (const std::string& file : RemovedFiles()) {
        if (!FileExists(file))
            return false;
    }
    return GetString(HKEY_LOCAL_MACHINE, "Software\\Zembra", "Path") == m_folder;
}

} // namespace uninstalltest
