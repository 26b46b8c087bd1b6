#pragma once
// The programs' one way to the registry. An object names a key by a predefined root and a subkey
// path; each operation opens the key, does one thing and closes it again. The result code of the
// last registry call stays in the object for Failed and GetResult; no operation throws.

#include "framework/UniqueHandle.h"
#include "support/FailedStringWrite.h"

#include <string>
#include <windows.h>

class RegistryKey {
public:
    enum OpenMode { Read = 0, Write = 1 };

    // Opens nothing: the result is ERROR_SUCCESS and no handle is held.
    RegistryKey(HKEY root, std::string subkey);

    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Aims the object at another key for the operations that follow.
    void SetKey(HKEY root, std::string subkey);

    // Read (0) opens an existing key with KEY_READ; Write (1) opens it with KEY_ALL_ACCESS and
    // creates the missing keys along the path. Closes a handle still open first; returns and keeps
    // the result.
    LONG Open(int mode);
    void Close();

    bool Failed() const { return m_lResult != ERROR_SUCCESS; }
    LONG GetResult() const { return m_lResult; }

    // REG_SZ holding the text's bytes without a terminating NUL; an empty name sets the key's
    // default value. A value that cannot be set although the key opened is told to failed (when
    // given); a key that cannot be opened is not.
    void SetString(const std::string& valueName, const std::string& text,
                   const FailedStringWrite& failed = {});

    // The value's data up to its first NUL, whatever its type; the default when the key or the
    // value is missing, the value is empty or cannot be read.
    std::string GetString(const std::string& valueName, const std::string& defaultText);

    // The same for text in any script, through the registry's wide functions: REG_SZ holding the
    // text's UTF-16 units without a terminating NUL, as SetString stores a text of the ANSI code
    // page; a failed write is told as SetString tells it.
    void SetWideString(const std::string& valueName, const std::wstring& text,
                       const FailedStringWrite& failed = {});
    std::wstring GetWideString(const std::string& valueName, const std::wstring& defaultText);

    void SetDWORD(const std::string& valueName, DWORD value);
    void SetBinary(const std::string& valueName, const void* data, DWORD size);

    // Size of the value's data in bytes; 0 when the key or the value is missing.
    DWORD GetValueSize(const std::string& valueName);

    // Reads the value into the buffer when it is not empty. A value larger than bufferSize is not
    // read at all and the result is ERROR_MORE_DATA; size the buffer with GetValueSize first.
    void GetBinary(const std::string& valueName, void* buffer, DWORD bufferSize);

    bool ValueExists(const std::string& valueName);

    // Deletes the key with everything below it (DeleteKeyTree); returns and keeps the result.
    LONG DeleteKey();

private:
    // Opens the key as Open does (a handle still open is closed first), keeping the result; the
    // new handle belongs to the operation that asked for it and closes when that returns.
    RegKeyHandle OpenKey(int mode);
    bool SetValue(const std::string& valueName, DWORD type, const void* data, DWORD size);

    LONG m_lResult = ERROR_SUCCESS;
    RegKeyHandle m_hKey;
    HKEY m_hRoot;
    std::string m_strSubkey;
};

// Deletes root\subkey and all keys below it, depth first. A missing key is created first and then
// deleted, so it gives ERROR_SUCCESS. Stops at the first failure and returns its code, leaving
// what was not yet deleted. A subkey that names the root itself (empty, or only backslashes) is
// refused with ERROR_INVALID_PARAMETER.
LONG DeleteKeyTree(HKEY root, const std::string& subkey);

// "HKEY_CLASSES_ROOT\", "HKEY_CURRENT_USER\" or "HKEY_LOCAL_MACHINE\"; "HKEY_UNKOWN?\" for any
// other root. For messages.
std::string GetHiveName(HKEY root);
