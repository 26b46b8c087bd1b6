#include "ProcessList.h"

#include "framework/UniqueHandle.h"

std::vector<PROCESSENTRY32> ListProcesses() {
    std::vector<PROCESSENTRY32> processes;
    const SnapshotHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return processes;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more;
         more = Process32Next(snapshot.Get(), &entry))
        processes.push_back(entry);
    return processes;
}
