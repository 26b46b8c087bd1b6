#include "RegistryKey.h"

#include "FailedStringWrite.h"

#include <algorithm>
#include <utility>
#include <vector>

RegistryKey::RegistryKey(HKEY root, std::string subkey)
    : m_hRoot(root), m_strSubkey(std::move(subkey)) {}

void RegistryKey::SetKey(HKEY root, std::string subkey) {
    Close();
    m_hRoot = root;
    m_strSubkey = std::move(subkey);
}

LONG RegistryKey::Open(int mode) {
    m_hKey = OpenKey(mode);
    return m_lResult;
}

RegKeyHandle RegistryKey::OpenKey(int mode) {
    Close();
    RegKeyHandle key;
    if (mode == Write)
        m_lResult = RegCreateKeyExA(m_hRoot, m_strSubkey.c_str(), 0, NULL, REG_OPTION_NON_VOLATILE,
                                    KEY_ALL_ACCESS, NULL, key.Receive(), NULL);
    else
        m_lResult = RegOpenKeyExA(m_hRoot, m_strSubkey.c_str(), 0, KEY_READ, key.Receive());
    return key;
}

void RegistryKey::Close() {
    m_hKey.Reset();
}

bool RegistryKey::SetValue(const std::string& valueName, DWORD type, const void* data, DWORD size) {
    const RegKeyHandle key = OpenKey(Write);
    if (!key)
        return false;
    m_lResult =
        RegSetValueExA(key.Get(), valueName.c_str(), 0, type, static_cast<const BYTE*>(data), size);
    return true;
}

void RegistryKey::SetString(const std::string& valueName, const std::string& text) {
    const bool opened = SetValue(valueName, REG_SZ, text.data(), static_cast<DWORD>(text.size()));
    if (opened && Failed())
        NotifyFailedStringWrite(valueName);
}

std::string RegistryKey::GetString(const std::string& valueName, const std::string& defaultText) {
    const RegKeyHandle key = OpenKey(Read);
    if (!key)
        return defaultText;
    DWORD size = 0;
    m_lResult = RegQueryValueExA(key.Get(), valueName.c_str(), NULL, NULL, NULL, &size);
    if (m_lResult != ERROR_SUCCESS || size == 0)
        return defaultText;
    std::vector<char> buffer(size);
    m_lResult = RegQueryValueExA(key.Get(), valueName.c_str(), NULL, NULL,
                                 reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (m_lResult != ERROR_SUCCESS)
        return defaultText;
    const auto dataEnd = buffer.begin() + std::min<std::size_t>(size, buffer.size());
    return std::string(buffer.begin(), std::find(buffer.begin(), dataEnd, '\0'));
}

void RegistryKey::SetDWORD(const std::string& valueName, DWORD value) {
    SetValue(valueName, REG_DWORD, &value, sizeof value);
}

void RegistryKey::SetBinary(const std::string& valueName, const void* data, DWORD size) {
    SetValue(valueName, REG_BINARY, data, size);
}

DWORD RegistryKey::GetValueSize(const std::string& valueName) {
    const RegKeyHandle key = OpenKey(Read);
    if (!key)
        return 0;
    DWORD size = 0;
    m_lResult = RegQueryValueExA(key.Get(), valueName.c_str(), NULL, NULL, NULL, &size);
    return m_lResult == ERROR_SUCCESS ? size : 0;
}

void RegistryKey::GetBinary(const std::string& valueName, void* buffer, DWORD bufferSize) {
    const DWORD size = GetValueSize(valueName);
    if (size == 0)
        return;
    const RegKeyHandle key = OpenKey(Read);
    if (!key)
        return;
    DWORD capacity = std::min(size, bufferSize);
    m_lResult = RegQueryValueExA(key.Get(), valueName.c_str(), NULL, NULL,
                                 static_cast<BYTE*>(buffer), &capacity);
}

bool RegistryKey::ValueExists(const std::string& valueName) {
    const RegKeyHandle key = OpenKey(Read);
    if (!key)
        return false;
    m_lResult = RegQueryValueExA(key.Get(), valueName.c_str(), NULL, NULL, NULL, NULL);
    return m_lResult == ERROR_SUCCESS;
}

LONG RegistryKey::DeleteKey() {
    m_lResult = DeleteKeyTree(m_hRoot, m_strSubkey);
    return m_lResult;
}
