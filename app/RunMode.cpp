#include "Zembra.h"

#include "app/OtherVersion.h"
#include "app/core/CommandLine.h"
#include "app/core/VersionQuestion.h"
#include "app/core/ZembraFormat.h"
#include "box/DesignedBox.h"
#include "framework/CodePage.h"
#include "framework/File.h"
#include "framework/core/Archive.h"
#include "framework/core/Exception.h"
#include "support/core/ErrorDescription.h"

void CZembra::RunFile(const std::string& commandLine) {
    m_Log.Append("Loading document for run.");
    m_Log.Append("Cleaning parameters...");
    const std::string fileName = CleanParameters(commandLine);
    m_Log.Append("Parameters cleaned.");

    MessageBoxDesign design;
    try {
        m_Log.Append("Attempting to open file.");
        // Others may go on reading the file; it is closed before the box appears, so the
        // same document can run twice at once and be saved while its box is shown.
        CFile file(fileName, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(file, CArchive::load);
        m_Log.Append("File opened.");
        m_Log.Append("Loading data.");

        const double version = ReadZembraVersion(ar);
        if (IsOtherVersion(version) && !AttemptOtherVersion(RunVersionQuestion(version)))
            return;
        ReadZembraBody(ar, design);
        m_Log.Append("Data loaded.");
        file.Close();
    } catch (const CException& e) {
        m_Log.ShowMessage("Could not load file.\n" + fileName + "\n" +
                              AnsiToUtf8(GetErrorDescription(e)),
                          GetAppName(), MB_ICONERROR);
        return;
    }
    m_Log.Append("Running file.");
    ShowMessageBox(design);
    m_Log.Append("File run.");
}

void CZembra::ShowMessageBox(const MessageBoxDesign& design) {
    HWND owner = (design.GetStyle() & MB_SYSTEMMODAL) ? nullptr : GetMainWnd();
    unsigned long error = 0;
    m_nReturnValue = ShowDesignedBox(owner, design, std::nullopt, error);
}
