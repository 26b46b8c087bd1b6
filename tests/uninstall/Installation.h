#pragma once
// What the uninstaller's tests share. Above all an installation of the product laid down as the
// installer leaves one: the programs and documents copied into a folder with blanks in its name,
// the registry layout written by WriteRegistryEntries, the user's settings, and a shortcut file on
// the all-users desktop (whose folders are created when missing). Whatever it created that is
// still there is removed when it ends; RegistryGuard puts the product's trees and their neighbours
// back as they were.

#include "tests/driver/Files.h"
#include "tests/driver/Recorders.h"
#include "tests/driver/Registry.h"
#include "tests/driver/SystemText.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace uninstalltest {

using testdriver::DeleteTree;
using testdriver::FailedWriteRecorder;
using testdriver::FileExists;
using testdriver::FolderExists;
using testdriver::GetString;
using testdriver::KeyExists;
using testdriver::KeyName;
using testdriver::MessageRecorder;
using testdriver::ProductTrees;
using testdriver::ReadFileBytes;
using testdriver::ReadValue;
using testdriver::RegistryValue;
using testdriver::SavedTree;
using testdriver::SetString;
using testdriver::ShownMessage;
using testdriver::SystemText;
using testdriver::TempFolder;
using testdriver::ValueNames;
using testdriver::WriteFileBytes;

// The Windows folder's temporary folder, with its backslash.
std::string WindowsTempFolder();

// Keys beside the product's trees (other file types, another entry in the list of installed
// programs, another program's settings) that must survive.
extern const KeyName kNeighbourKeys[5];

// The product's trees and the neighbours (created with a value and a subkey) saved now and
// restored at the end.
class RegistryGuard {
public:
    RegistryGuard();
    RegistryGuard(const RegistryGuard&) = delete;
    RegistryGuard& operator=(const RegistryGuard&) = delete;

private:
    std::vector<std::unique_ptr<SavedTree>> m_saved;
};

// A document as the editor saves a new one: version 1.0, no caption, no text, style 0x2000.
std::string EmptyDocument();

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
    // Every file the uninstallation removes: the four product files, the uninstaller and the
    // shortcut.
    std::vector<std::string> RemovedFiles() const;
    // True when every file of the installation and its registry record are in place.
    bool IsComplete() const;

private:
    std::string m_folder;
    std::string m_shortcut;
    std::vector<std::string> m_createdFolders; // desktop folders this installation created
};

// The uninstaller and the editor as built.
std::string BuiltUninstallerPath();
std::string BuiltZembraPath();

} // namespace uninstalltest
