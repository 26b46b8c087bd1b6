#include "SaveFile.h"

#include "framework/File.h"

#include <windows.h>

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// A new, empty file with a name of its own beside target, deleted again unless Forget is called.
class SiblingFile {
public:
    explicit SiblingFile(const std::string& target) {
        char name[MAX_PATH] = "";
        if (GetTempFileNameA(FolderOf(target).c_str(), "zem", 0, name) != 0)
            m_strPath = name;
        else
            m_error = GetLastError();
    }
    ~SiblingFile() {
        if (!m_strPath.empty())
            DeleteFileA(m_strPath.c_str());
    }
    SiblingFile(const SiblingFile&) = delete;
    SiblingFile& operator=(const SiblingFile&) = delete;

    bool Created() const { return !m_strPath.empty(); }
    // Why it could not be created.
    DWORD Error() const { return m_error; }
    const std::string& Path() const { return m_strPath; }
    // The file has become another (or is the only copy left of one): it stays.
    void Forget() { m_strPath.clear(); }

private:
    std::string m_strPath;
    DWORD m_error = ERROR_SUCCESS;
};

void WriteWhole(const std::string& path, const std::vector<unsigned char>& bytes) {
    CFile file(path, CFile::modeWrite);
    file.Write(bytes.data(), bytes.size());
    file.SetLength(bytes.size());
    file.Close();
}

// Attributes a replaced file keeps. The system carries them over itself, but may skip that
// without failing (REPLACEFILE_IGNORE_MERGE_ERRORS), and some file systems never do.
constexpr DWORD kKeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
// The attributes SetFileAttributes takes.
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                                      FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_TEMPORARY;

void KeepAttributes(const std::string& path, DWORD before) {
    const DWORD now = GetFileAttributesA(path.c_str());
    if (before == INVALID_FILE_ATTRIBUTES || now == INVALID_FILE_ATTRIBUTES)
        return;
    const DWORD missing = before & kKeptAttributes & ~now;
    if (missing != 0)
        SetFileAttributesA(path.c_str(), (now & kSettableAttributes) | missing);
}

// The replacement takes the existing file's place. The old file is moved aside to a name of its
// own first, and comes back whenever the replacement could not take its place.
void ReplaceExisting(const std::string& path, SiblingFile& replacement) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    SiblingFile backup(path);
    if (!backup.Created())
        ThrowFileError(backup.Error());
    // Only the free name is wanted: the old file moves there.
    DeleteFileA(backup.Path().c_str());
    if (!ReplaceFileA(path.c_str(), replacement.Path().c_str(), backup.Path().c_str(),
                      REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                      nullptr)) {
        const DWORD error = GetLastError();
        // The old file went aside but the new one did not take its name: it goes back, and where
        // it cannot, the file aside is all that is left of it and stays.
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
            !MoveFileExA(backup.Path().c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
            backup.Forget();
        ThrowFileError(error);
    }
    replacement.Forget();
    KeepAttributes(path, attributes);
}

} // namespace

void SaveFileBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    const bool exists = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    SiblingFile replacement(path);
    if (!replacement.Created()) {
        if (!exists)
            ThrowFileError(replacement.Error());
        // No new file may be made in the folder, but the file itself may still be writable.
        WriteWhole(path, bytes);
        return;
    }
    WriteWhole(replacement.Path(), bytes);
    if (exists) {
        ReplaceExisting(path, replacement);
        return;
    }
    if (!MoveFileExA(replacement.Path().c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ThrowFileError(GetLastError());
    replacement.Forget();
}
