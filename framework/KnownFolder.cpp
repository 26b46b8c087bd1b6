#include "KnownFolder.h"

#include "SystemLibrary.h"

namespace {

using GetKnownFolderPath = HRESULT WINAPI(REFKNOWNFOLDERID, DWORD, HANDLE, PWSTR*);
using FreeTaskMemory = void WINAPI(LPVOID);

// The text the shell allocated for the caller, freed through the COM task allocator once. Both
// DLLs are loaded from the system folder on first use, so a program that never asks pays nothing
// at start and imports neither.
class ShellString {
public:
    ShellString() = default;
    ~ShellString() {
        if (m_text == nullptr)
            return;
        if (const auto free = SystemFunction<FreeTaskMemory>(L"ole32.dll", "CoTaskMemFree"))
            free(m_text);
    }
    ShellString(const ShellString&) = delete;
    ShellString& operator=(const ShellString&) = delete;

    PWSTR* Receive() { return &m_text; }
    const wchar_t* Get() const { return m_text; }

private:
    PWSTR m_text = nullptr;
};

} // namespace

std::wstring KnownFolderPath(const KNOWNFOLDERID& folder) {
    const auto get = SystemFunction<GetKnownFolderPath>(L"shell32.dll", "SHGetKnownFolderPath");
    if (get == nullptr)
        return std::wstring();
    // The shell may hand out a text even when it fails: it is freed on every path.
    ShellString path;
    if (FAILED(get(folder, KF_FLAG_DONT_VERIFY, nullptr, path.Receive())) || path.Get() == nullptr)
        return std::wstring();
    return path.Get();
}
