#include "ShellRun.h"

#include "framework/AnsweringWait.h"
#include "framework/PathEncoding.h"
#include "framework/SystemLibrary.h"
#include "framework/UniqueHandle.h"

#include <shellapi.h>

// The shell is loaded when a program first starts something through it.

bool ShellRun(const std::string& file, const std::string& parameters, int showCommand) {
    const std::wstring wideFile = WidePath(file), wideParameters = WidePath(parameters);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.lpFile = wideFile.c_str();
    info.lpParameters = wideParameters.c_str();
    info.nShow = showCommand;
    const auto execute =
        SystemFunction<BOOL WINAPI(SHELLEXECUTEINFOW*)>(L"shell32.dll", "ShellExecuteExW");
    return execute != nullptr && execute(&info);
}

bool ShellRunAndWait(const std::string& file, const std::string& parameters, int showCommand,
                     const std::function<void(HANDLE process)>& afterExit, ShellErrors errors) {
    const std::wstring wideFile = WidePath(file), wideParameters = WidePath(parameters);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask =
        SEE_MASK_NOCLOSEPROCESS | (errors == ShellErrors::Hidden ? SEE_MASK_FLAG_NO_UI : ULONG(0));
    info.lpFile = wideFile.c_str();
    info.lpParameters = wideParameters.c_str();
    info.nShow = showCommand;
    const auto execute =
        SystemFunction<BOOL WINAPI(SHELLEXECUTEINFOW*)>(L"shell32.dll", "ShellExecuteExW");
    if (execute == nullptr || !execute(&info))
        return false;
    const KernelHandle process(info.hProcess);
    if (WaitAnswering(process.Get(), INFINITE) == WAIT_FAILED)
        return false;
    if (afterExit)
        afterExit(process.Get());
    return true;
}
