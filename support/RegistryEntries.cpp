#include "RegistryEntries.h"

#include "RegistryKey.h"
#include "framework/PathEncoding.h"

HKEY RootKey(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser:
        return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine:
        break;
    }
    return HKEY_LOCAL_MACHINE;
}

bool WriteRegistryEntries(const std::string& installDirectory, const FailedStringWrite& failed) {
    const std::vector<RegistryEntry> entries = InstallationEntries(installDirectory);
    RegistryKey key(HKEY_LOCAL_MACHINE, std::string());
    bool allWritten = true;
    for (const RegistryEntry& entry : entries) {
        const RegistryTree stored = StoredKey(entry.root, entry.key);
        key.SetKey(RootKey(stored.root), stored.key);
        if (entry.type == RegistryValueType::DWord)
            key.SetDWORD(entry.valueName, entry.number);
        else
            key.SetWideString(entry.valueName, WidePath(entry.text), failed);
        allWritten = allWritten && !key.Failed();
    }
    return allWritten;
}
