#include "ExtractFiles.h"

#include "ResourceData.h"
#include "framework/File.h"
#include "framework/MessageBox.h"
#include "framework/PathEncoding.h"
#include "framework/SystemMessage.h"
#include "framework/WinApp.h"
#include "framework/core/Exception.h"
#include "installer/core/InstallerTexts.h"
#include "installer/core/Payload.h"
#include "support/core/ErrorDescription.h"

bool ExtractFiles(const std::string& dir) {
    if (!CreateDirectoryW(WidePath(dir).c_str(), nullptr)) {
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS) {
            ShowMessage(installer::kCouldNotCreateDirectory + SystemMessage(error), AfxGetAppName(),
                        MB_ICONERROR);
            return false;
        }
    }
    bool allWritten = true;
    for (const installer::PayloadFile& file : installer::kPayload) {
        if (!ExtractResourceFile(installer::kPayloadType, file.resourceId, dir + file.fileName))
            allWritten = false;
    }
    return allWritten;
}

bool ExtractResourceFile(const char* type, unsigned id, const std::string& path) {
    const ResourceData resource(type, id);
    if (resource.GetErrorCode() != 0) {
        ShowMessage(installer::ResourceNotLoadedMessage(PathForMessage(path),
                                                        SystemMessage(resource.GetErrorCode())),
                    AfxGetAppName(), MB_ICONERROR);
        return false;
    }
    try {
        CFile file(WidePath(path), CFile::modeCreate | CFile::modeWrite);
        file.Write(resource.GetData(), resource.GetSize());
        file.Close();
        return true;
    } catch (const CException& e) {
        ShowMessage(
            installer::FileNotWrittenMessage(PathForMessage(path), GetErrorDescription(e, 255)),
            AfxGetAppName(), MB_ICONERROR);
        return false;
    }
}
