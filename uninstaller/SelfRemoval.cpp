#include "Uninstaller.h"

#include "framework/File.h"
#include "framework/WinApp.h"
#include "framework/core/Exception.h"
#include "support/ModulePath.h"
#include "support/ShellRun.h"
#include "support/ShowMessage.h"
#include "support/core/ErrorDescription.h"
#include "uninstaller/core/SelfRemovalScript.h"
#include "uninstaller/core/UninstallerText.h"

namespace {
// The longest exception text the uninstaller shows, terminator included.
const unsigned kExceptionTextCapacity = 256;
} // namespace

bool WriteSelfRemovalScript(const std::string& scriptPath, const std::string& programPath,
                            const std::string& programFolder) {
    try {
        CStdioFile script(scriptPath, CFile::modeWrite);
        for (const std::string& piece :
             uninstaller::SelfRemovalScriptPieces(programPath, programFolder, scriptPath))
            script.WriteString(piece);
        script.Close();
        return true;
    } catch (const CException& e) {
        ShowMessage(uninstaller::WriteScriptMessage(GetErrorDescription(e, kExceptionTextCapacity)),
                    AfxGetAppName(), MB_ICONERROR);
        return false;
    }
}

bool RunSelfRemovalScript() {
    const std::string programPath = GetModulePath(NULL);
    const std::string programFolder = GetProgramDirectory();
    if (programPath.empty() || programFolder.empty())
        return false;
    const std::string scriptFolder = GetScriptDirectory();
    const std::string scriptPath = MakeTempFileName(scriptFolder, "bat");
    if (scriptPath.empty())
        return false;
    if (!WriteSelfRemovalScript(scriptPath, programPath, programFolder))
        return false;
    // The script runs in its own folder: a folder that is a process's current folder cannot be
    // removed, and the uninstaller's own may well be the install folder.
    return ShellRun(scriptPath, std::string(), SW_HIDE, scriptFolder);
}
