#include "MyDocuments.h"

#include "framework/KnownFolder.h"

void ChangeToMyDocuments() {
    const std::wstring folder = KnownFolderPath(FOLDERID_Documents);
    if (!folder.empty())
        SetCurrentDirectoryW(folder.c_str());
}
