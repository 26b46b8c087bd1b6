#pragma once
// Sole ownership of one system resource (registry key, kernel handle, file, SID, LocalAlloc block,
// menu, font, memory device context), released exactly once by the function that belongs to it.
// Movable, never copied.

#include <windows.h>

#include <utility>

// Most of the system's resources are absent when they are NULL.
template <typename T> constexpr bool IsNullHandle(T value) {
    return value == T();
}

// Files and find handles are absent when they are NULL or INVALID_HANDLE_VALUE.
inline bool IsNoFileHandle(HANDLE value) {
    return value == nullptr || value == INVALID_HANDLE_VALUE;
}

template <typename T, auto Free, auto IsNone = &IsNullHandle<T>> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(T value) : m_value(value) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_value(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    T Get() const { return m_value; }
    explicit operator bool() const { return !IsNone(m_value); }

    // Releases the resource held so far and hands out the slot for a function to fill.
    T* Receive() {
        Reset();
        return &m_value;
    }

    // Gives the resource up without releasing it.
    T Release() { return std::exchange(m_value, T()); }

    // Releases the resource held so far and takes the given one.
    void Reset(T value = T()) {
        const T old = std::exchange(m_value, value);
        if (!IsNone(old))
            Free(old);
    }

private:
    T m_value = T();
};

using RegKeyHandle = UniqueHandle<HKEY, &RegCloseKey>;
using KernelHandle = UniqueHandle<HANDLE, &CloseHandle>;
using FileHandle = UniqueHandle<HANDLE, &CloseHandle, &IsNoFileHandle>;
using FindHandle = UniqueHandle<HANDLE, &FindClose, &IsNoFileHandle>;
// A process snapshot (CreateToolhelp32Snapshot) fails with INVALID_HANDLE_VALUE, as files do.
using SnapshotHandle = UniqueHandle<HANDLE, &CloseHandle, &IsNoFileHandle>;
using SidHandle = UniqueHandle<PSID, &FreeSid>;
using LocalMemory = UniqueHandle<HLOCAL, &LocalFree>;
using MenuHandle = UniqueHandle<HMENU, &DestroyMenu>;
using IconHandle = UniqueHandle<HICON, &DestroyIcon>;
using FontHandle = UniqueHandle<HFONT, &DeleteObject>;
using MemoryDCHandle = UniqueHandle<HDC, &DeleteDC>;

inline void ReleaseScreenDC(HDC dc) {
    ReleaseDC(nullptr, dc);
}

// The whole screen's device context, from GetDC(NULL), released with ReleaseDC.
struct ScreenDC : UniqueHandle<HDC, &ReleaseScreenDC> {
    ScreenDC() : UniqueHandle(GetDC(nullptr)) {}
};

// A memory device context compatible with the screen, deleted with DeleteDC.
struct MemoryDC : MemoryDCHandle {
    MemoryDC() : MemoryDCHandle(CreateCompatibleDC(nullptr)) {}
};
