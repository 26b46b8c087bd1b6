#include "Uninstaller.h"

#include "framework/File.h"
#include "framework/MessageBox.h"
#include "framework/ModulePath.h"
#include "framework/WinApp.h"
#include "framework/core/Exception.h"
#include "support/core/ErrorDescription.h"
#include "uninstaller/core/SelfRemovalScript.h"
#include "uninstaller/core/UninstallerText.h"

namespace {

// The longest exception text the uninstaller shows, terminator included.
const unsigned kExceptionTextCapacity = 256;

// The entries of this process's environment, "NAME=value" each.
std::vector<std::wstring> CurrentEnvironment() {
    std::vector<std::wstring> entries;
    wchar_t* const block = GetEnvironmentStringsW();
    if (block == nullptr)
        return entries;
    for (const wchar_t* entry = block; *entry != L'\0'; entry += entries.back().size() + 1)
        entries.emplace_back(entry);
    FreeEnvironmentStringsW(block);
    return entries;
}

} // namespace

bool WriteSelfRemovalScript(const std::wstring& scriptPath) {
    try {
        CStdioFile script(scriptPath, CFile::modeWrite);
        script.WriteString(uninstaller::kSelfRemovalScript);
        script.Close();
        return true;
    } catch (const CException& e) {
        ShowMessage(uninstaller::WriteScriptMessage(GetErrorDescription(e, kExceptionTextCapacity)),
                    AfxGetAppName(), MB_ICONERROR);
        return false;
    }
}

KernelHandle StartSelfRemovalScript(const uninstaller::ScriptPaths& paths, unsigned tries) {
    const std::wstring interpreter = GetSystemFolder() + L"cmd.exe";
    std::wstring commandLine = uninstaller::ScriptCommandLine(interpreter, paths.script);
    const std::wstring environment = uninstaller::EnvironmentBlock(
        CurrentEnvironment(), uninstaller::ScriptVariables(paths, tries));
    // The script's own folder is its current folder: a folder that is a process's current folder
    // cannot be removed, and the uninstaller's own may well be the install folder.
    const std::wstring scriptFolder = paths.script.substr(0, paths.script.find_last_of(L'\\') + 1);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(interpreter.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_NO_WINDOW | CREATE_UNICODE_ENVIRONMENT,
                        const_cast<wchar_t*>(environment.c_str()), scriptFolder.c_str(), &startup,
                        &started))
        return KernelHandle();
    CloseHandle(started.hThread);
    return KernelHandle(started.hProcess);
}

bool RunSelfRemovalScript() {
    uninstaller::ScriptPaths paths;
    paths.program = GetModuleWidePath();
    paths.folder = paths.program.substr(0, paths.program.find_last_of(L'\\') + 1);
    const std::wstring system = GetSystemFolder();
    if (paths.folder.empty() || system.empty())
        return false;
    paths.ping = system + L"ping.exe";
    paths.script = MakeTempFileName(GetScriptDirectory(), L"bat");
    if (paths.script.empty())
        return false;
    if (!WriteSelfRemovalScript(paths.script))
        return false;
    // Started, it runs on by itself after the uninstaller has ended: nobody waits for it.
    if (StartSelfRemovalScript(paths, uninstaller::kScriptTries))
        return true;
    // A script that never runs would never delete itself.
    DeleteFileW(paths.script.c_str());
    return false;
}
