#pragma once
// Memory in another process, freed with its owner: a control writes what it is asked for into its
// own address space, and a message carrying a pointer must point there.

#include <windows.h>

#include <cstddef>

namespace testdriver {

class RemoteMemory {
public:
    RemoteMemory(HANDLE process, std::size_t size)
        : m_process(process),
          m_address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory() {
        if (m_address)
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }

    char* Get() const { return static_cast<char*>(m_address); }
    explicit operator bool() const { return m_address != nullptr; }

    bool Write(std::size_t offset, const void* data, std::size_t size) const {
        SIZE_T written = 0;
        return WriteProcessMemory(m_process, Get() + offset, data, size, &written) &&
               written == size;
    }
    bool Read(std::size_t offset, void* data, std::size_t size) const {
        SIZE_T read = 0;
        return ReadProcessMemory(m_process, Get() + offset, data, size, &read) && read == size;
    }

private:
    HANDLE m_process;
    void* m_address;
};

} // namespace testdriver
