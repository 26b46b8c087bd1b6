#include "ShellRun.h"

#include "framework/SystemLibrary.h"
#include "framework/UniqueHandle.h"

#include <shellapi.h>

namespace {
SHELLEXECUTEINFOA MakeExecuteInfo(const std::string& file, const std::string& parameters,
                                  int showCommand, ULONG mask,
                                  const std::string& directory = std::string()) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(SHELLEXECUTEINFOA);
    info.fMask = mask;
    info.hwnd = NULL;
    info.lpVerb = NULL;
    info.lpFile = file.c_str();
    info.lpParameters = parameters.c_str();
    info.lpDirectory = directory.empty() ? NULL : directory.c_str();
    info.nShow = showCommand;
    return info;
}
// The shell is loaded when a program first starts something through it.
BOOL Execute(SHELLEXECUTEINFOA& info) {
    const auto execute =
        SystemFunction<BOOL WINAPI(SHELLEXECUTEINFOA*)>(L"shell32.dll", "ShellExecuteExA");
    return execute != nullptr && execute(&info);
}
} // namespace

bool ShellRun(const std::string& file, const std::string& parameters, int showCommand,
              const std::string& directory) {
    SHELLEXECUTEINFOA info = MakeExecuteInfo(file, parameters, showCommand, 0, directory);
    return Execute(info) != FALSE;
}

bool ShellRunAndWait(const std::string& file, const std::string& parameters, int showCommand,
                     const std::function<void(HANDLE process)>& afterExit, ShellErrors errors) {
    const ULONG mask =
        SEE_MASK_NOCLOSEPROCESS | (errors == ShellErrors::Hidden ? SEE_MASK_FLAG_NO_UI : ULONG(0));
    SHELLEXECUTEINFOA info = MakeExecuteInfo(file, parameters, showCommand, mask);
    if (!Execute(info))
        return false;
    const KernelHandle process(info.hProcess);
    if (WaitForSingleObject(process.Get(), INFINITE) == WAIT_FAILED)
        return false;
    if (afterExit)
        afterExit(process.Get());
    return true;
}
