#pragma once
// Writing the product's registry layout (support/core/RegistryLayout.h) for an installation.

#include "support/FailedStringWrite.h"
#include "support/core/RegistryLayout.h"

#include <string>
#include <windows.h>

// The predefined key of a layout root. A key of the layout is written and deleted at
// RootKey(StoredKey(root, key).root), StoredKey(root, key).key; messages name RootKey(root).
HKEY RootKey(RegistryRoot root);

// Writes the fourteen values of an installation into installDirectory (in UTF-8, PathEncoding.h;
// ending in a backslash), in order, each where StoredKey puts it, the texts as wide REG_SZ so that
// a folder of any script is named whole, and each independently of the others: a key that cannot
// be created is passed over silently, a string value that cannot be set is told to failed (when
// given), a number that cannot be set is passed over silently. True when every value was written.
bool WriteRegistryEntries(const std::string& installDirectory,
                          const FailedStringWrite& failed = {});
