#pragma once
// An installation of the product laid down by a test as the installer leaves one: the programs
// and documents copied into a folder with blanks in its name, the registry layout written by
// WriteRegistryEntries, and a shortcut file on the all-users desktop (whose folders are created
// when missing). Everything it created that is still there is removed again when it ends, and
// every product tree and neighbouring key it touches is put back as it was.

#include "tests/uninstall/SavedTree.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace uninstalltest {

// The installed files in the order the uninstaller deletes them (the uninstaller itself last).
extern const char* const kProductFiles[4];

bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
// Writes the bytes to path; true when all were written.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
std::optional<std::string> ReadFileBytes(const std::string& path);

// Keys beside the product's: other file types, another entry in the list of installed programs,
// another program's settings. Created for the test and checked to survive.
struct NeighbourKey {
    HKEY root;
    const char* key;
};
extern const NeighbourKey kNeighbourKeys[5];

// The product's five trees and the neighbours, saved now and restored at the end.
class RegistryGuard {
public:
    RegistryGuard();
    RegistryGuard(const RegistryGuard&) = delete;
    RegistryGuard& operator=(const RegistryGuard&) = delete;

private:
    std::vector<std::unique_ptr<SavedTree>> m_saved;
};

class Installation {
public:
    Installation();
    ~Installation();
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    // The install folder with its trailing backslash, holding a blank.
    const std::string& Folder() const { return m_folder; }
    std::string FilePath(const std::string& name) const { return m_folder + name; }
    std::string UninstallerPath() const { return FilePath("Uninstall.exe"); }
    const std::string& ShortcutPath() const { return m_shortcut; }
    // True when every file of the installation and its registry record are in place.
    bool IsComplete() const;
    // Every file the uninstallation removes: the four product files, the uninstaller and the
    // shortcut.
    std::vector<std::string> RemovedFiles() const;

private:
    std::string m_folder;
    std::string m_shortcut;
    std::vector<std::string> m_createdFolders; // desktop folders this installation created
};

// A document as the editor saves a new one: version 1.0, no caption, no text, style 0x2000.
std::string EmptyDocument();

// The uninstaller and the editor as built.
std::string BuiltUninstallerPath();
std::string BuiltZembraPath();

} // namespace uninstalltest
