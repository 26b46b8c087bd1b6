#include "ResourceData.h"

#include "installer/core/Payload.h"

namespace {

HRSRC FindPayloadResource(HMODULE module, const char* type, WORD id) {
    const HRSRC found = FindResourceExA(module, type, MAKEINTRESOURCEA(id),
                                        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT));
    if (found != nullptr || GetLastError() != ERROR_RESOURCE_LANG_NOT_FOUND)
        return found;
    // The neutral lookup follows the user's languages, which need not include the one the
    // payload is stored in.
    return FindResourceExA(module, type, MAKEINTRESOURCEA(id), installer::kPayloadLanguage);
}

} // namespace

ResourceData::ResourceData(const char* type, unsigned id, HMODULE module) {
    const HRSRC resource = FindPayloadResource(module, type, static_cast<WORD>(id & 0xFFFF));
    if (resource == nullptr) {
        m_dwError = GetLastError();
        return;
    }
    m_dwSize = SizeofResource(module, resource);
    const HGLOBAL loaded = LoadResource(module, resource);
    if (loaded == nullptr) {
        m_dwError = GetLastError();
        m_dwSize = 0;
    }
    m_pData = LockResource(loaded);
    if (m_pData == nullptr) {
        m_dwError = ERROR_FILE_CORRUPT;
        m_dwSize = 0;
    }
}
