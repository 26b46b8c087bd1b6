#pragma once
// The product's whole registry layout as data: the values an installation writes, and the trees
// an uninstallation removes. No Windows header: roots are named, and the Windows code maps them.

#include <cstdint>
#include <string>
#include <vector>

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

enum class RegistryValueType { String, DWord };

// One value of the layout. An empty value name is the key's default value.
struct RegistryEntry {
    RegistryRoot root;
    std::string key;
    std::string valueName;
    RegistryValueType type;
    std::string text;         // the data of a String value
    std::uint32_t number = 0; // the data of a DWord value
};

// The fourteen values an installation into installDirectory writes, in the order they are
// written. The folder and so the texts that name it are in UTF-8, as the installer holds paths. The directory is expected to end in a backslash; one is added when it does not, so
// that no value ever names a file beside the folder instead of in it.
std::vector<RegistryEntry> InstallationEntries(const std::string& installDirectory);

// One key with everything below it.
struct RegistryTree {
    RegistryRoot root;
    std::string key;
};

// The five trees an uninstallation removes, in the order it removes them: the document type,
// the user's settings, the installation record and the entry in the list of installed programs.
const std::vector<RegistryTree>& ProductRegistryTrees();

// Where a key of the layout is kept. The file type's keys (ClassesRoot) lie in the machine's own
// classes, "Software\Classes\" under LocalMachine: they are written and removed there, never
// through the merged HKEY_CLASSES_ROOT, which writes into a user's own classes wherever the key
// exists there. Every other key lies where the layout names it. Messages keep the layout's names.
RegistryTree StoredKey(RegistryRoot root, const std::string& key);
