#pragma once
// The bytes of one resource in an executable image: found, loaded and locked in one step. The
// bytes belong to the image and stay valid while it is loaded; nothing is freed.

#include <windows.h>

class ResourceBytes {
public:
    // The resource of the given type and name in module (NULL: the running program), in language
    // (the default: the neutral lookup, which follows the user's languages).
    ResourceBytes(HMODULE module, LPCSTR type, LPCSTR name,
                  WORD language = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL));

    explicit operator bool() const { return m_pData != nullptr; }
    const unsigned char* GetData() const { return m_pData; }
    // Size in bytes; 0 when the resource is not usable.
    DWORD GetSize() const { return m_dwSize; }
    // 0 when the resource is usable, otherwise a system error code (ERROR_RESOURCE_LANG_NOT_FOUND
    // when it exists only in other languages).
    DWORD GetErrorCode() const { return m_dwError; }

private:
    const unsigned char* m_pData = nullptr;
    DWORD m_dwSize = 0;
    DWORD m_dwError = 0;
};
