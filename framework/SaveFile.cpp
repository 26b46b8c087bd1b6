#include "SaveFile.h"

#include "framework/CodePage.h"
#include "framework/File.h"
#include "framework/TemporaryFile.h"

#include <windows.h>

namespace {

// Makes bytes the whole content of the file at path, which exists.
void WriteWhole(const std::wstring& path, const std::vector<unsigned char>& bytes) {
    CFile file(path, CFile::modeWrite);
    file.Write(bytes.data(), bytes.size());
    file.SetLength(bytes.size());
    file.Close();
}

void MoveInto(TemporaryFile& written, const std::wstring& path, DWORD flags) {
    if (!MoveFileExW(written.Path().c_str(), path.c_str(), flags | MOVEFILE_WRITE_THROUGH))
        ThrowFileError(GetLastError());
    written.Keep();
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

void KeepAttributes(const std::wstring& path, DWORD before) {
    const DWORD now = GetFileAttributesW(path.c_str());
    if (before == INVALID_FILE_ATTRIBUTES || now == INVALID_FILE_ATTRIBUTES)
        return;
    const DWORD missing = before & kKeptAttributes & ~now;
    if (missing != 0)
        SetFileAttributesW(path.c_str(), (now & kSettableAttributes) | missing);
}

// The replacement takes the existing file's place. The old file is moved aside to a name of its
// own first, and comes back whenever the replacement could not take its place.
void ReplaceExisting(const std::wstring& path, TemporaryFile& replacement, DWORD attributes) {
    TemporaryFile backup(path);
    if (backup.Path().empty())
        ThrowFileError(backup.Error());
    // Only the free name is wanted: the old file moves there.
    DeleteFileW(backup.Path().c_str());
    if (!ReplaceFileW(path.c_str(), replacement.Path().c_str(), backup.Path().c_str(),
                      REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                      nullptr)) {
        const DWORD error = GetLastError();
        // The old file went aside but the new one did not take its name: it goes back, and where
        // it cannot, the file aside is all that is left of it and stays.
        if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 &&
            !MoveFileExW(backup.Path().c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
            backup.Keep();
        ThrowFileError(error);
    }
    replacement.Keep();
    KeepAttributes(path, attributes);
}

} // namespace

void SaveFileBytes(const std::wstring& path, const std::vector<unsigned char>& bytes) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    TemporaryFile replacement(path);
    if (replacement.Path().empty()) {
        if (!exists)
            ThrowFileError(replacement.Error());
        // No new file may be made in the folder, but the file itself may still be writable.
        WriteWhole(path, bytes);
        return;
    }
    WriteWhole(replacement.Path(), bytes);
    if (exists)
        ReplaceExisting(path, replacement, attributes);
    else
        MoveInto(replacement, path, MOVEFILE_REPLACE_EXISTING);
}

void SaveFileBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    SaveFileBytes(ToWide(CP_UTF8, path), bytes);
}

void SaveNewFileBytes(const std::wstring& path, const std::vector<unsigned char>& bytes) {
    TemporaryFile written(path);
    if (written.Path().empty())
        ThrowFileError(written.Error());
    WriteWhole(written.Path(), bytes);
    MoveInto(written, path, 0);
}
