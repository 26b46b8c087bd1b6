#pragma once
// The registry as a test reads and prepares it: plain values under a root and a key path,
// and values put back as they were when a test ends.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testdriver {

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
    bool m_existed = false;
    DWORD m_type = 0;
    std::vector<unsigned char> m_data;
};

// A REG_SZ value stored as the product stores it: the text's bytes without a terminator.
// False when the key or the value cannot be written.
bool SetString(HKEY root, const std::string& key, const std::string& name,
               const std::string& value);
// A REG_BINARY value; false when the key or the value cannot be written.
bool SetBinary(HKEY root, const std::string& key, const std::string& name, const void* data,
               DWORD size);
void DeleteValue(HKEY root, const std::string& key, const std::string& name);
// The bytes of a value of any type; nothing when there is no such value.
std::optional<std::vector<unsigned char>> GetBytes(HKEY root, const std::string& key,
                                                   const std::string& name);
std::optional<std::string> GetString(HKEY root, const std::string& key, const std::string& name);

// Writes the installation record as the installer does: the folder (with its trailing
// backslash) and the version under the machine's product key. False when it cannot be written.
bool RecordInstallation(const std::string& folder, const std::string& version);

} // namespace testdriver
