#include "RegistryKey.h"

#include "framework/SystemLibrary.h"
#include "support/core/KeyPath.h"

namespace {
// Room for the longest key name the registry allows (255 characters) and its NUL.
const DWORD KeyNameCapacity = 260;

// The key named by subkey below parent itself, never the key a registry link leads to: a link is
// opened as the link, whose own children are none. A missing key is created, so that its removal
// succeeds as that of an existing one.
LONG OpenOwnKey(HKEY parent, const char* subkey, RegKeyHandle& key) {
    const LONG openResult =
        RegOpenKeyExA(parent, subkey, REG_OPTION_OPEN_LINK, KEY_ALL_ACCESS, key.Receive());
    if (openResult != ERROR_FILE_NOT_FOUND)
        return openResult;
    return RegCreateKeyExA(parent, subkey, 0, NULL, REG_OPTION_NON_VOLATILE | REG_OPTION_OPEN_LINK,
                           KEY_ALL_ACCESS, NULL, key.Receive(), NULL);
}

// Deletes the open key itself. Deleting by name would open the name again and follow a link to
// its target; the handle is the key that was opened.
LONG DeleteOpenKey(HKEY key) {
    using DeleteKey = LONG NTAPI(HANDLE);
    using StatusToError = ULONG NTAPI(LONG);
    const auto deleteKey = SystemFunction<DeleteKey>(L"ntdll.dll", "NtDeleteKey");
    const auto toError = SystemFunction<StatusToError>(L"ntdll.dll", "RtlNtStatusToDosError");
    if (deleteKey == nullptr || toError == nullptr)
        return ERROR_PROC_NOT_FOUND;
    return static_cast<LONG>(toError(deleteKey(key)));
}

// Deletes the key named by subkey below parent with every key below it, depth first;
// ERROR_SUCCESS or the first failure, which leaves what was not yet deleted.
LONG DeleteTreeBelow(HKEY parent, const char* subkey) {
    RegKeyHandle key;
    const LONG openResult = OpenOwnKey(parent, subkey, key);
    if (openResult != ERROR_SUCCESS)
        return openResult;
    for (;;) {
        char name[KeyNameCapacity];
        DWORD nameLength = KeyNameCapacity;
        // The first child each time: deleting it moves the next one to index 0.
        const LONG enumResult =
            RegEnumKeyExA(key.Get(), 0, name, &nameLength, NULL, NULL, NULL, NULL);
        if (enumResult == ERROR_NO_MORE_ITEMS)
            break;
        if (enumResult != ERROR_SUCCESS)
            return enumResult;
        const LONG childResult = DeleteTreeBelow(key.Get(), name);
        if (childResult != ERROR_SUCCESS)
            return childResult;
    }
    return DeleteOpenKey(key.Get());
}
} // namespace

LONG DeleteKeyTree(HKEY root, const std::string& subkey) {
    if (IsRootPath(subkey))
        return ERROR_INVALID_PARAMETER;
    return DeleteTreeBelow(root, subkey.c_str());
}
