#pragma once
// Sole ownership of one system resource (registry key, kernel handle, SID, LocalAlloc block),
// released exactly once by the function that belongs to it.

#include <windows.h>

template <typename T, auto Free> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T value) : m_value(value) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    T Get() const { return m_value; }
    explicit operator bool() const { return m_value != T(); }

    // Releases the resource held so far and hands out the slot for a function to fill.
    T* Receive() {
        Reset();
        return &m_value;
    }

    // Gives the resource up without releasing it.
    T Release() {
        const T value = m_value;
        m_value = T();
        return value;
    }

    // Releases the resource held so far and takes the given one.
    void Reset(T value = T()) {
        if (m_value != T())
            Free(m_value);
        m_value = value;
    }

private:
    T m_value = T();
};

using RegKeyHandle = UniqueHandle<HKEY, &RegCloseKey>;
using KernelHandle = UniqueHandle<HANDLE, &CloseHandle>;
using SidHandle = UniqueHandle<PSID, &FreeSid>;
using LocalMemory = UniqueHandle<HLOCAL, &LocalFree>;
