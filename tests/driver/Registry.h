#pragma once
// The registry as a test reads, prepares and leaves it: values read back raw or as text, keys
// that exist or not, whole trees taken and compared, and values and trees put back as they were
// when a test ends.

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace testdriver {

// One registry value exactly as stored: its type and its bytes.
struct RegistryValue {
    DWORD type = 0;
    std::string data;
    bool operator==(const RegistryValue& other) const {
        return type == other.type && data == other.data;
    }
};

// The value as stored; nothing when the key or the value is missing.
std::optional<RegistryValue> ReadValue(HKEY root, const std::string& key, const std::string& name);
// The text of a REG_SZ value without the terminator the registry may keep after it; nothing when
// the value is missing or of another type.
std::optional<std::string> GetString(HKEY root, const std::string& key, const std::string& name);
// A REG_SZ value read and written through the registry's wide functions, for text the ANSI code
// page cannot hold (key and name in ASCII). Written as the product writes it, without a
// terminator; nothing read when the value is missing or of another type.
std::optional<std::wstring> GetWideString(HKEY root, const std::string& key,
                                          const std::string& name);
bool SetWideString(HKEY root, const std::string& key, const std::string& name,
                   const std::wstring& text);
bool KeyExists(HKEY root, const std::string& key);
// The names of the key's values, in the registry's order.
std::vector<std::string> ValueNames(HKEY root, const std::string& key);

// Creates the key when missing; false when it cannot be created.
bool CreateKey(HKEY root, const std::string& key);
// The value stored with exactly the given type and bytes; false when the key or the value cannot
// be written.
bool SetValue(HKEY root, const std::string& key, const std::string& name,
              const RegistryValue& value, bool volatileKey = false);
// A REG_SZ value stored as the product stores it: the text's bytes without a terminator. The key
// is created when missing, volatile when asked. False when the key or the value cannot be written.
bool SetString(HKEY root, const std::string& key, const std::string& name, const std::string& value,
               bool volatileKey = false);
// A REG_BINARY value; false when the key or the value cannot be written.
bool SetBinary(HKEY root, const std::string& key, const std::string& name, const void* data,
               DWORD size);
void DeleteValue(HKEY root, const std::string& key, const std::string& name);
// Deletes the key and everything below it; true when it is gone afterwards.
bool DeleteTree(HKEY root, const std::string& key);

// Writes the installation record as the installer does: the folder (with its trailing
// backslash) and the version under the machine's product key. False when it cannot be written.
bool RecordInstallation(const std::string& folder, const std::string& version);

// A key named by its root and its path below the root.
struct KeyName {
    HKEY root;
    std::string path;
};
// The product's five registry trees.
const std::vector<KeyName>& ProductTrees();

// A whole key with its values and subkeys, as it was when taken.
struct RegistrySnapshot {
    bool exists = false;
    std::map<std::string, RegistryValue> values;
    std::map<std::string, RegistrySnapshot> subkeys;
    bool operator==(const RegistrySnapshot& other) const {
        return exists == other.exists && values == other.values && subkeys == other.subkeys;
    }
};
RegistrySnapshot TakeSnapshot(HKEY root, const std::string& key);
std::ostream& operator<<(std::ostream& out, const RegistrySnapshot& snapshot);

// One registry value as it was, put back (or removed again) on destruction.
class SavedValue {
public:
    SavedValue(HKEY root, std::string key, std::string name);
    ~SavedValue();
    SavedValue(const SavedValue&) = delete;
    SavedValue& operator=(const SavedValue&) = delete;

private:
    HKEY m_root;
    std::string m_key;
    std::string m_name;
    std::optional<RegistryValue> m_saved;
};

// The whole tree root\key as it was when constructed, restored on destruction: whatever the
// test left there is deleted, and the saved keys and values are written back.
class SavedTree {
public:
    SavedTree(HKEY root, std::string key);
    ~SavedTree();
    SavedTree(const SavedTree&) = delete;
    SavedTree& operator=(const SavedTree&) = delete;

private:
    HKEY m_root;
    std::string m_key;
    RegistrySnapshot m_saved;
};

} // namespace testdriver
