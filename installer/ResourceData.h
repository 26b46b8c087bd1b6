#pragma once
// One payload resource located in an executable image: its bytes, or why they cannot be had.

#include <windows.h>

class ResourceData {
public:
    // Finds the resource of type name type and numeric identifier id (its low 16 bits) in module
    // (NULL: the running program), in the user's language or else in the language the payload is
    // stored in, whatever the user's language is.
    ResourceData(const char* type, unsigned id, HMODULE module = nullptr);

    // 0 when the resource is usable, otherwise a system error code.
    DWORD GetErrorCode() const { return m_dwError; }
    // Size in bytes; 0 when the resource is not usable.
    DWORD GetSize() const { return m_dwSize; }
    // The bytes, owned by the executable image; never freed.
    const void* GetData() const { return m_pData; }

private:
    DWORD m_dwError = 0;
    DWORD m_dwSize = 0;
    const void* m_pData = nullptr;
};
