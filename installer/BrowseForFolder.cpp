#include "BrowseForFolder.h"

#include "ComPtr.h"
#include "framework/PathEncoding.h"
#include "framework/SystemLibrary.h"
#include "installer/core/InstallerTexts.h"

#include <shlobj.h>

namespace {

// An item identifier list from the shell, freed through the shell's allocator.
class ShellItemList {
public:
    explicit ShellItemList(LPITEMIDLIST list) : m_list(list) {}
    ~ShellItemList() {
        ComPtr<IMalloc> allocator;
        if (m_list != nullptr && SUCCEEDED(SHGetMalloc(allocator.Receive())))
            allocator->Free(m_list);
    }
    ShellItemList(const ShellItemList&) = delete;
    ShellItemList& operator=(const ShellItemList&) = delete;

    LPITEMIDLIST Get() const { return m_list; }

private:
    LPITEMIDLIST m_list;
};

} // namespace

std::string BrowseForFolder(HWND owner, const std::string& folder) {
    // The picker and its edit box are COM objects of the shell: the thread joins a
    // single-threaded apartment for as long as the picker is shown.
    const ComInitialization com;
    // The picker takes at most MAX_PATH characters: a longer text is cut, never a character in two.
    const std::wstring selection = WidePath(folder).substr(0, MAX_PATH - 1);
    const std::wstring title = WidePath(installer::kBrowseTitle);
    wchar_t displayName[MAX_PATH] = L"";
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(selection.c_str());
    PrepareSystemRoad(SystemRoad::FolderPicker);
    const ShellItemList chosen(SHBrowseForFolderW(&info));
    if (chosen.Get() == nullptr || !SHGetPathFromIDListW(chosen.Get(), displayName))
        return std::string();
    return Utf8Path(displayName);
}

int CALLBACK BrowseCallback(HWND picker, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED)
        SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}
