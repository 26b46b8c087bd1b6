#include "tests/driver/Registry.h"

#include <cstring>

namespace testdriver {

namespace {

class Key {
public:
    Key(HKEY root, const std::string& path, bool create) {
        const LONG result = create ? RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0,
                                                     KEY_ALL_ACCESS, nullptr, &m_key, nullptr)
                                   : RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &m_key);
        if (result != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~Key() {
        if (m_key)
            RegCloseKey(m_key);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

} // namespace

SavedValue::SavedValue(HKEY root, std::string key, std::string name)
    : m_root(root), m_key(std::move(key)), m_name(std::move(name)) {
    Key k(m_root, m_key, false);
    DWORD size = 0;
    if (k.Get() && RegQueryValueExA(k.Get(), m_name.c_str(), nullptr, &m_type, nullptr, &size) ==
                       ERROR_SUCCESS) {
        m_data.resize(size);
        m_existed =
            RegQueryValueExA(k.Get(), m_name.c_str(), nullptr, &m_type,
                             m_data.empty() ? nullptr : m_data.data(), &size) == ERROR_SUCCESS;
    }
}

SavedValue::~SavedValue() {
    if (m_existed) {
        Key k(m_root, m_key, true);
        RegSetValueExA(k.Get(), m_name.c_str(), 0, m_type, m_data.data(),
                       static_cast<DWORD>(m_data.size()));
    } else {
        DeleteValue(m_root, m_key, m_name);
    }
}

bool SetString(HKEY root, const std::string& key, const std::string& name,
               const std::string& value) {
    Key k(root, key, true);
    return k.Get() != nullptr && RegSetValueExA(k.Get(), name.c_str(), 0, REG_SZ,
                                                reinterpret_cast<const BYTE*>(value.c_str()),
                                                static_cast<DWORD>(value.size())) == ERROR_SUCCESS;
}

bool SetBinary(HKEY root, const std::string& key, const std::string& name, const void* data,
               DWORD size) {
    Key k(root, key, true);
    return k.Get() != nullptr &&
           RegSetValueExA(k.Get(), name.c_str(), 0, REG_BINARY, static_cast<const BYTE*>(data),
                          size) == ERROR_SUCCESS;
}

void DeleteValue(HKEY root, const std::string& key, const std::string& name) {
    Key k(root, key, false);
    if (k.Get())
        RegDeleteValueA(k.Get(), name.c_str());
}

std::optional<std::string> GetString(HKEY root, const std::string& key, const std::string& name) {
    Key k(root, key, false);
    char data[1024] = "";
    DWORD size = sizeof data - 1;
    if (!k.Get() || RegQueryValueExA(k.Get(), name.c_str(), nullptr, nullptr,
                                     reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(data, strnlen(data, size));
}

std::optional<std::vector<unsigned char>> GetBytes(HKEY root, const std::string& key,
                                                   const std::string& name) {
    Key k(root, key, false);
    DWORD size = 0;
    if (!k.Get() ||
        RegQueryValueExA(k.Get(), name.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<unsigned char> bytes(size);
    if (RegQueryValueExA(k.Get(), name.c_str(), nullptr, nullptr, bytes.data(), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    bytes.resize(size);
    return bytes;
}

bool RecordInstallation(const std::string& folder, const std::string& version) {
    const std::string key = "Software\\Zembra\\";
    return SetString(HKEY_LOCAL_MACHINE, key, "Path", folder) &&
           SetString(HKEY_LOCAL_MACHINE, key, "Version", version);
}

} // namespace testdriver
