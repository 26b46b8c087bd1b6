#pragma once
// Small owners for the system handles the test driver uses: each closes or releases exactly what
// it was given, once. Not copyable; moving hands the handle over.

#include <windows.h>

#include <utility>

namespace testdriver {

// A kernel handle (process, thread), closed with CloseHandle. NULL and INVALID_HANDLE_VALUE both
// count as "no handle".
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : m_handle(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept
        : m_handle(std::exchange(other.m_handle, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Close();
            m_handle = std::exchange(other.m_handle, nullptr);
        }
        return *this;
    }
    ~UniqueHandle() { Close(); }

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }

private:
    void Close() {
        if (*this)
            CloseHandle(m_handle);
        m_handle = nullptr;
    }

    HANDLE m_handle = nullptr;
};

// The whole screen's device context, from GetDC(NULL), released with ReleaseDC.
class ScreenDC {
public:
    ScreenDC() : m_dc(GetDC(nullptr)) {}
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    ~ScreenDC() {
        if (m_dc)
            ReleaseDC(nullptr, m_dc);
    }

    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HDC m_dc;
};

// A memory device context compatible with the screen, deleted with DeleteDC.
class MemoryDC {
public:
    MemoryDC() : m_dc(CreateCompatibleDC(nullptr)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() {
        if (m_dc)
            DeleteDC(m_dc);
    }

    HDC Get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HDC m_dc;
};

// A top-down 32-bit DIB section whose pixels can be read directly, deleted with DeleteObject.
// Each pixel is 0x00RRGGBB.
class DibSection {
public:
    DibSection(int width, int height) : m_width(width), m_height(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_bits = m_bitmap ? static_cast<const DWORD*>(bits) : nullptr;
    }
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;
    ~DibSection() {
        if (m_bitmap)
            DeleteObject(m_bitmap);
    }

    HBITMAP Get() const { return m_bitmap; }
    explicit operator bool() const { return m_bitmap != nullptr; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Call GdiFlush first when GDI has just drawn into the bitmap.
    DWORD Pixel(int x, int y) const { return m_bits[y * m_width + x] & 0x00FFFFFF; }

private:
    int m_width;
    int m_height;
    HBITMAP m_bitmap = nullptr;
    const DWORD* m_bits = nullptr;
};

// Selects a GDI object into a device context for the lifetime of the scope, then puts the
// previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (m_previous && m_previous != HGDI_ERROR)
            SelectObject(m_dc, m_previous);
    }

    explicit operator bool() const { return m_previous && m_previous != HGDI_ERROR; }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

} // namespace testdriver
