#include "Zembra.h"

#include "app/core/CommandLine.h"
#include "app/core/ZembraFormat.h"
#include "framework/File.h"
#include "framework/core/Archive.h"
#include "framework/core/Exception.h"
#include "log/core/ValueFormat.h"
#include "support/core/ErrorDescription.h"
#include "support/core/ProductInfo.h"

namespace {

std::string VersionText(double version) {
    return DoubleToString(version, product::kVersionDecimals);
}

} // namespace

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
        if (IsOtherVersion(version)) {
            m_Log.Append("File version is not equal to program version.");
            const int answer = m_Log.ShowMessage(
                "Zembra " + VersionText(product::kVersion) + " may not be able to load Zembra " +
                    VersionText(version) + " files.\nAttempt anyway?",
                GetAppName(), MB_YESNO | MB_ICONINFORMATION);
            if (answer == IDNO) {
                m_Log.Append("User opted not to load document.");
                return;
            }
            m_Log.Append("User opted to attempt loading document.");
        }
        ReadZembraBody(ar, design);
        m_Log.Append("Data loaded.");
        file.Close();
    } catch (const CException& e) {
        m_Log.ShowMessage("Could not load file.\n" + fileName + "\n" + GetErrorDescription(e),
                          GetAppName(), MB_ICONERROR);
        return;
    }
    m_Log.Append("Running file.");
    ShowMessageBox(design.GetCaption(), design.GetText(), design.GetStyle());
    m_Log.Append("File run.");
}

void CZembra::ShowMessageBox(const std::string& caption, const std::string& text,
                             std::uint32_t style) {
    HWND owner = (style & MB_SYSTEMMODAL) ? nullptr : GetMainWnd();
    m_nReturnValue = MessageBoxA(owner, text.c_str(), caption.c_str(), style);
}
