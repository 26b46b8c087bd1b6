#include "tests/driver/Registry.h"

#include "tests/driver/Handles.h"

#include <cstdio>
#include <utility>

namespace testdriver {

namespace {

RegKeyHandle Open(HKEY root, const std::string& key, REGSAM access = KEY_READ) {
    RegKeyHandle open;
    RegOpenKeyExA(root, key.c_str(), 0, access, open.Receive());
    return open;
}

RegKeyHandle Create(HKEY root, const std::string& key, bool volatileKey = false) {
    RegKeyHandle created;
    RegCreateKeyExA(root, key.c_str(), 0, nullptr,
                    volatileKey ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                    nullptr, created.Receive(), nullptr);
    return created;
}

std::string WithoutTrailingBackslash(std::string key) {
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

// The names of the key's subkeys, or of its values, in the registry's order.
std::vector<std::string> Names(HKEY root, const std::string& key, bool subkeys) {
    const RegKeyHandle open = Open(root, key);
    std::vector<std::string> names;
    for (DWORD index = 0; open; ++index) {
        char name[16384];
        DWORD length = sizeof name;
        const LONG result = subkeys ? RegEnumKeyExA(open.Get(), index, name, &length, nullptr,
                                                    nullptr, nullptr, nullptr)
                                    : RegEnumValueA(open.Get(), index, name, &length, nullptr,
                                                    nullptr, nullptr, nullptr);
        if (result != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

void WriteSnapshot(HKEY root, const std::string& key, const RegistrySnapshot& snapshot) {
    if (!Create(root, key))
        return;
    for (const auto& [name, value] : snapshot.values)
        SetValue(root, key, name, value);
    for (const auto& [name, child] : snapshot.subkeys)
        WriteSnapshot(root, key + "\\" + name, child);
}

// The bytes as text, every unprintable one as \xNN.
std::string Escaped(const std::string& bytes) {
    std::string text = "\"";
    for (const unsigned char byte : bytes) {
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%02X", byte);
        text += byte >= 0x20 && byte < 0x7F ? std::string(1, static_cast<char>(byte)) : escape;
    }
    return text + "\"";
}

// Makes the key exactly what the snapshot holds (removing it when it did not exist).
void RestoreSnapshot(HKEY root, const std::string& key, const RegistrySnapshot& snapshot) {
    DeleteTree(root, key);
    if (snapshot.exists)
        WriteSnapshot(root, key, snapshot);
}

} // namespace

std::optional<RegistryValue> ReadValue(HKEY root, const std::string& key, const std::string& name) {
    const RegKeyHandle open = Open(root, key);
    RegistryValue value;
    DWORD size = 0;
    if (!open || RegQueryValueExA(open.Get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
                     ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (RegQueryValueExA(open.Get(), name.c_str(), nullptr, &value.type,
                         reinterpret_cast<BYTE*>(value.data.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

std::optional<std::string> GetString(HKEY root, const std::string& key, const std::string& name) {
    std::optional<RegistryValue> value = ReadValue(root, key, name);
    if (!value || value->type != REG_SZ)
        return std::nullopt;
    if (!value->data.empty() && value->data.back() == '\0')
        value->data.pop_back();
    return value->data;
}

namespace {

std::wstring FromAscii(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

} // namespace

std::optional<std::wstring> GetWideString(HKEY root, const std::string& key,
                                          const std::string& name) {
    wchar_t data[1024] = L"";
    DWORD size = sizeof data;
    if (RegGetValueW(root, FromAscii(key).c_str(), FromAscii(name).c_str(), RRF_RT_REG_SZ, nullptr,
                     data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(data);
}

bool SetWideString(HKEY root, const std::string& key, const std::string& name,
                   const std::wstring& text) {
    return RegSetKeyValueW(root, FromAscii(key).c_str(), FromAscii(name).c_str(), REG_SZ,
                           text.c_str(),
                           static_cast<DWORD>(text.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool KeyExists(HKEY root, const std::string& key) {
    return static_cast<bool>(Open(root, key));
}

std::vector<std::string> ValueNames(HKEY root, const std::string& key) {
    return Names(root, key, false);
}

bool SetValue(HKEY root, const std::string& key, const std::string& name,
              const RegistryValue& value, bool volatileKey) {
    const RegKeyHandle created = Create(root, key, volatileKey);
    return created && RegSetValueExA(created.Get(), name.c_str(), 0, value.type,
                                     reinterpret_cast<const BYTE*>(value.data.data()),
                                     static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool CreateKey(HKEY root, const std::string& key) {
    return static_cast<bool>(Create(root, key));
}

bool SetString(HKEY root, const std::string& key, const std::string& name, const std::string& value,
               bool volatileKey) {
    return SetValue(root, key, name, {REG_SZ, value}, volatileKey);
}

bool SetBinary(HKEY root, const std::string& key, const std::string& name, const void* data,
               DWORD size) {
    return SetValue(root, key, name,
                    {REG_BINARY, std::string(static_cast<const char*>(data), size)});
}

void DeleteValue(HKEY root, const std::string& key, const std::string& name) {
    if (const RegKeyHandle open = Open(root, key, KEY_ALL_ACCESS))
        RegDeleteValueA(open.Get(), name.c_str());
}

bool DeleteTree(HKEY root, const std::string& key) {
    RegDeleteTreeA(root, WithoutTrailingBackslash(key).c_str());
    return !KeyExists(root, key);
}

bool RecordInstallation(const std::string& folder, const std::string& version) {
    const std::string key = "Software\\Zembra\\";
    return SetString(HKEY_LOCAL_MACHINE, key, "Path", folder) &&
           SetString(HKEY_LOCAL_MACHINE, key, "Version", version);
}

const std::vector<KeyName>& ProductTrees() {
    static const std::vector<KeyName> trees = {
        // The document type, in the machine's own classes where the installer writes it.
        {HKEY_LOCAL_MACHINE, "Software\\Classes\\.zembra"},
        {HKEY_LOCAL_MACHINE, "Software\\Classes\\Zembra.Document"},
        {HKEY_CURRENT_USER, "Software\\Zembra"},
        {HKEY_LOCAL_MACHINE, "Software\\Zembra"},
        {HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zembra"},
    };
    return trees;
}

RegistrySnapshot TakeSnapshot(HKEY root, const std::string& key) {
    RegistrySnapshot snapshot;
    snapshot.exists = KeyExists(root, key);
    for (const std::string& name : ValueNames(root, key)) {
        if (std::optional<RegistryValue> value = ReadValue(root, key, name))
            snapshot.values[name] = std::move(*value);
    }
    for (const std::string& child : Names(root, key, true))
        snapshot.subkeys[child] = TakeSnapshot(root, key + "\\" + child);
    return snapshot;
}

std::ostream& operator<<(std::ostream& out, const RegistrySnapshot& snapshot) {
    if (!snapshot.exists)
        return out << "(no key)";
    out << "{";
    for (const auto& [name, value] : snapshot.values)
        out << " \"" << name << "\"(" << value.type << ")=" << Escaped(value.data);
    for (const auto& [name, child] : snapshot.subkeys)
        out << " [" << name << "] " << child;
    return out << " }";
}

SavedValue::SavedValue(HKEY root, std::string key, std::string name)
    : m_root(root), m_key(std::move(key)), m_name(std::move(name)),
      m_saved(ReadValue(m_root, m_key, m_name)) {}

SavedValue::~SavedValue() {
    if (m_saved)
        SetValue(m_root, m_key, m_name, *m_saved);
    else
        DeleteValue(m_root, m_key, m_name);
}

SavedTree::SavedTree(HKEY root, std::string key)
    : m_root(root), m_key(WithoutTrailingBackslash(std::move(key))),
      m_saved(TakeSnapshot(m_root, m_key)) {}

SavedTree::~SavedTree() {
    RestoreSnapshot(m_root, m_key, m_saved);
}

} // namespace testdriver
