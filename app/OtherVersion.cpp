#include "OtherVersion.h"

#include "app/AppAccess.h"
#include "framework/WinApp.h"
#include "log/ProgramLog.h"

bool AttemptOtherVersion(const std::string& question) {
    ProgramLog& log = GetProgramLog();
    log.Append("File version is not equal to program version.");
    if (log.ShowMessage(question, AfxGetAppName(), MB_YESNO | MB_ICONINFORMATION) == IDNO) {
        log.Append("User opted not to load document.");
        return false;
    }
    log.Append("User opted to attempt loading document.");
    return true;
}
