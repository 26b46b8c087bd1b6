#pragma once
// Memory in another process, freed with the owner: what a window of that process is handed by
// address (a question it fills in, a rectangle it reads) must live in its own address space.

#include <windows.h>

#include <cstddef>

namespace testdriver {

class RemoteMemory {
public:
    // process needs PROCESS_VM_OPERATION, and PROCESS_VM_WRITE or PROCESS_VM_READ for Write and
    // Read.
    RemoteMemory(HANDLE process, std::size_t size)
        : m_process(process),
          m_address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    ~RemoteMemory() {
        if (m_address)
            VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    }

    // The address in the other process.
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
