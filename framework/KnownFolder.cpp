#include "KnownFolder.h"

#include "framework/SystemLibrary.h"

namespace {

// The shell's buffer, given back to the task allocator it came from.
class TaskMemory {
public:
    TaskMemory() = default;
    TaskMemory(const TaskMemory&) = delete;
    TaskMemory& operator=(const TaskMemory&) = delete;
    ~TaskMemory() {
        if (m_text == nullptr)
            return;
        if (const auto free = SystemFunction<void WINAPI(LPVOID)>(L"ole32.dll", "CoTaskMemFree"))
            free(m_text);
    }
    PWSTR* Receive() { return &m_text; }
    PCWSTR Get() const { return m_text; }

private:
    PWSTR m_text = nullptr;
};

} // namespace

std::wstring KnownFolderPath(const KNOWNFOLDERID& folder) {
    const auto find = SystemFunction<HRESULT WINAPI(REFKNOWNFOLDERID, DWORD, HANDLE, PWSTR*)>(
        L"shell32.dll", "SHGetKnownFolderPath");
    if (find == nullptr)
        return std::wstring();
    TaskMemory path;
    // The shell may give a buffer also when it fails; it is freed either way.
    if (FAILED(find(folder, KF_FLAG_DONT_VERIFY, nullptr, path.Receive())) || path.Get() == nullptr)
        return std::wstring();
    return path.Get();
}
