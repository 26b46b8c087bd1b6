#pragma once
// The owners of the system resources the tests use: the product's one owner template
// (framework/UniqueHandle.h) with the function that frees each kind, so that every handle is
// closed or released exactly once. Not copyable; moving hands the resource over.

#include "framework/UniqueHandle.h"

#include <windows.h>

#include <vector>

namespace testdriver {

// A kernel handle (process, thread, event, job, file, snapshot), closed with CloseHandle. NULL and
// INVALID_HANDLE_VALUE both count as "no handle".
using OwnedHandle = UniqueHandle<HANDLE, &CloseHandle, &IsNoFileHandle>;
using ::FindHandle;
using ::FontHandle;
using ::IconHandle;
using ::LocalMemory;
using ::MenuHandle;
using ::RegKeyHandle;
using BitmapHandle = UniqueHandle<HBITMAP, &DeleteObject>;
using ModuleHandle = UniqueHandle<HMODULE, &FreeLibrary>;
using AcceleratorHandle = UniqueHandle<HACCEL, &DestroyAcceleratorTable>;
// An activation context fails with INVALID_HANDLE_VALUE.
using ActivationContextHandle = UniqueHandle<HANDLE, &ReleaseActCtx, &IsNoFileHandle>;

using ::MemoryDC;
using ::ScreenDC;

// A top-down 32-bit DIB section whose pixels can be read directly. Each pixel is 0x00RRGGBB.
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
        m_bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_bits = m_bitmap ? static_cast<const DWORD*>(bits) : nullptr;
    }

    HBITMAP Get() const { return m_bitmap.Get(); }
    explicit operator bool() const { return static_cast<bool>(m_bitmap); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Call GdiFlush first when GDI has just drawn into the bitmap.
    DWORD Pixel(int x, int y) const { return m_bits[y * m_width + x] & 0x00FFFFFF; }
    // Every pixel, row by row from the top, once GDI has finished drawing.
    std::vector<DWORD> Pixels() const {
        GdiFlush();
        std::vector<DWORD> pixels;
        for (int i = 0; i < m_width * m_height; ++i)
            pixels.push_back(m_bits[i] & 0x00FFFFFF);
        return pixels;
    }

private:
    int m_width;
    int m_height;
    BitmapHandle m_bitmap;
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
        if (*this)
            SelectObject(m_dc, m_previous);
    }

    explicit operator bool() const { return m_previous && m_previous != HGDI_ERROR; }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

} // namespace testdriver
