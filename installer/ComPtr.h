#pragma once
// Sole ownership of a COM interface pointer, released once; and the thread's COM
// initialisation for the length of a scope.

#include <objbase.h>

template <typename T> class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    T* Get() const { return m_pointer; }
    T* operator->() const { return m_pointer; }

    // Releases the interface held so far and hands out the slot for a function to fill.
    T** Receive() {
        Reset();
        return &m_pointer;
    }
    // The slot as QueryInterface and CoCreateInstance take it.
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

    void Reset() {
        if (m_pointer != nullptr)
            m_pointer->Release();
        m_pointer = nullptr;
    }

private:
    T* m_pointer = nullptr;
};

// CoInitialize on construction; CoUninitialize on destruction when that initialisation counted
// (an unmatched CoUninitialize would end COM for code of the thread that still uses it).
class ComInitialization {
public:
    ComInitialization() : m_bInitialized(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComInitialization() {
        if (m_bInitialized)
            CoUninitialize();
    }
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;

private:
    bool m_bInitialized;
};
