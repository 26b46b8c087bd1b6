#include "Uninstaller.h"

#include "framework/UniqueHandle.h"
#include "support/core/ProductInfo.h"

#include <cstring>
#include <tlhelp32.h>

bool IsProductRunning() {
    const SnapshotHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more;
         more = Process32Next(snapshot.Get(), &entry)) {
        if (std::strcmp(entry.szExeFile, product::kProgramFile) == 0)
            return true;
    }
    return false;
}
