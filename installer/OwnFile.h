#pragma once
// Files an elevated installer writes where a standard user may have prepared the name: opened
// without truncating and without following a reparse point, checked, and only then emptied, so
// that the run never overwrites another file through a link. Paths in UTF-8 (PathEncoding.h).

#include "ProtectedAccess.h"
#include "framework/UniqueHandle.h"

#include <windows.h>

#include <string>

// Opens path (a full path) for writing with share, created with protection's owner and list when
// it is given; opens an existing file without following it when it is a reparse point and without
// truncating it. The open file is refused (ERROR_CANT_ACCESS_FILE) when it is a reparse point, has
// more than one link (a hard link to another file), or its final path is not path (a link in a
// folder on the way). A file that existed gets protection's owner and list as well. Then emptied.
// 0 and file holding it, or the system's error code and nothing held.
DWORD OpenOwnFile(const std::string& path, DWORD share, ProtectedAccess* protection,
                  FileHandle& file);

// Checks the file that exists at path as OpenOwnFile checks an existing one (opened without
// following it: no reparse point, one link, lying at path) and, when protection is given, gives it
// protection's owner and list; nothing is written into it. 0, ERROR_FILE_NOT_FOUND when there is
// none, or the refusal or the system's error code. For a file another component writes, such as
// the shell's link object: checked before it writes, protected after.
DWORD CheckExistingFile(const std::string& path, const ProtectedAccess* protection = nullptr);

// Whether the object open as handle lies at path, whatever the case and short names: its final
// path as the system resolves every link is path's full path.
bool LiesAt(HANDLE handle, const std::string& path);
