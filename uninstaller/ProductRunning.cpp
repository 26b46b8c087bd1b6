#include "Uninstaller.h"

#include "support/ProcessList.h"
#include "support/core/ProductInfo.h"

#include <algorithm>
#include <cstring>

bool IsProductRunning() {
    const std::vector<PROCESSENTRY32> processes = ListProcesses();
    return std::any_of(processes.begin(), processes.end(), [](const PROCESSENTRY32& process) {
        return std::strcmp(process.szExeFile, product::kProgramFile) == 0;
    });
}
