#pragma once
// Ownership of a kernel handle.

#include <windows.h>

class CHandle {
public:
    CHandle() = default;
    explicit CHandle(HANDLE handle) : m_handle(handle) {}
    ~CHandle() { Close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    bool IsValid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    void Reset(HANDLE handle = nullptr) {
        Close();
        m_handle = handle;
    }
    // Closes the handle; false when the system refuses.
    bool Close() {
        const bool ok = !IsValid() || CloseHandle(m_handle) != FALSE;
        m_handle = nullptr;
        return ok;
    }

private:
    HANDLE m_handle = nullptr;
};
