#include "ResourceBytes.h"

ResourceBytes::ResourceBytes(HMODULE module, LPCSTR type, LPCSTR name, WORD language) {
    const HRSRC found = FindResourceExA(module, type, name, language);
    if (found == nullptr) {
        m_dwError = GetLastError();
        return;
    }
    const HGLOBAL loaded = LoadResource(module, found);
    if (loaded == nullptr) {
        m_dwError = GetLastError();
        return;
    }
    m_pData = static_cast<const unsigned char*>(LockResource(loaded));
    if (m_pData == nullptr) {
        m_dwError = ERROR_FILE_CORRUPT;
        return;
    }
    m_dwSize = SizeofResource(module, found);
}
