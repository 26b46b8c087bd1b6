#include "RegistryKey.h"

#include "FailedStringWrite.h"

#include "framework/CodePage.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
// A value's name (the product's names are ASCII) for the wide functions.
std::wstring WideName(const std::string& name) {
    return ToWide(CP_ACP, name);
}
} // namespace

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

void RegistryKey::SetString(const std::string& valueName, const std::string& text,
                            const FailedStringWrite& failed) {
    const bool opened = SetValue(valueName, REG_SZ, text.data(), static_cast<DWORD>(text.size()));
    if (opened && Failed() && failed)
        failed(valueName);
}

void RegistryKey::SetWideString(const std::string& valueName, const std::wstring& text,
                                const FailedStringWrite& failed) {
    const RegKeyHandle key = OpenKey(Write);
    if (!key)
        return;
    m_lResult = RegSetValueExW(key.Get(), WideName(valueName).c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(text.data()),
                               static_cast<DWORD>(text.size() * sizeof(wchar_t)));
    if (Failed() && failed)
        failed(valueName);
}

std::wstring RegistryKey::GetWideString(const std::string& valueName,
                                        const std::wstring& defaultText) {
    const RegKeyHandle key = OpenKey(Read);
    if (!key)
        return defaultText;
    const std::wstring name = WideName(valueName);
    DWORD size = 0;
    m_lResult = RegQueryValueExW(key.Get(), name.c_str(), NULL, NULL, NULL, &size);
    if (m_lResult != ERROR_SUCCESS || size < sizeof(wchar_t))
        return defaultText;
    std::vector<wchar_t> buffer(size / sizeof(wchar_t));
    size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    m_lResult = RegQueryValueExW(key.Get(), name.c_str(), NULL, NULL,
                                 reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (m_lResult != ERROR_SUCCESS)
        return defaultText;
    const auto dataEnd =
        buffer.begin() + std::min<std::size_t>(size / sizeof(wchar_t), buffer.size());
    return std::wstring(buffer.begin(), std::find(buffer.begin(), dataEnd, L'\0'));
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
