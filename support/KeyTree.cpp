#include "RegistryKey.h"

#include "support/core/KeyPath.h"

namespace {
// Room for the longest key name the registry allows (255 characters) and its NUL.
const DWORD KeyNameCapacity = 260;

// Deletes every key below the open key, depth first; ERROR_SUCCESS or the first failure.
LONG DeleteChildren(HKEY root, const std::string& subkey, HKEY key) {
    for (;;) {
        char name[KeyNameCapacity];
        DWORD nameLength = KeyNameCapacity;
        // The first child each time: deleting it moves the next one to index 0.
        const LONG enumResult = RegEnumKeyExA(key, 0, name, &nameLength, NULL, NULL, NULL, NULL);
        if (enumResult == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (enumResult != ERROR_SUCCESS)
            return enumResult;
        const LONG childResult =
            DeleteKeyTree(root, JoinKeyPath(subkey, std::string(name, nameLength)));
        if (childResult != ERROR_SUCCESS)
            return childResult;
    }
}
} // namespace

LONG DeleteKeyTree(HKEY root, const std::string& subkey) {
    if (IsRootPath(subkey))
        return ERROR_INVALID_PARAMETER;
    HKEY opened = NULL;
    const LONG openResult = RegCreateKeyExA(root, subkey.c_str(), 0, NULL, REG_OPTION_NON_VOLATILE,
                                            KEY_ALL_ACCESS, NULL, &opened, NULL);
    if (openResult != ERROR_SUCCESS)
        return openResult;
    RegKeyHandle key(opened);
    const LONG childrenResult = DeleteChildren(root, subkey, key.Get());
    key.Reset();
    if (childrenResult != ERROR_SUCCESS)
        return childrenResult;
    return RegDeleteKeyA(root, subkey.c_str());
}
