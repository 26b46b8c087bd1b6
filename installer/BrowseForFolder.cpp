#include "BrowseForFolder.h"

#include "ComPtr.h"
#include "framework/SystemLibrary.h"
#include "installer/core/InstallerTexts.h"

#include <shlobj.h>

#include <cstring>

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
    char selection[MAX_PATH] = "";
    std::strncpy(selection, folder.c_str(), MAX_PATH - 1);
    char displayName[MAX_PATH] = "";
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pidlRoot = nullptr;
    info.pszDisplayName = displayName;
    info.lpszTitle = installer::kBrowseTitle;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(selection);
    PrepareSystemRoad(SystemRoad::FolderPicker);
    const ShellItemList chosen(SHBrowseForFolderA(&info));
    if (chosen.Get() == nullptr || !SHGetPathFromIDListA(chosen.Get(), displayName))
        return std::string();
    return displayName;
}

int CALLBACK BrowseCallback(HWND picker, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED)
        SendMessageA(picker, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}
