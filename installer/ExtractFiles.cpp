#include "ExtractFiles.h"

#include "OwnFile.h"
#include "framework/CodePage.h"
#include "framework/File.h"
#include "framework/MessageBox.h"
#include "framework/SystemMessage.h"
#include "framework/WinApp.h"
#include "framework/core/Exception.h"
#include "installer/core/InstallerTexts.h"
#include "installer/core/Payload.h"
#include "support/core/ErrorDescription.h"

ResourceBytes PayloadResource(const char* type, unsigned id, HMODULE module) {
    const LPCSTR name = MAKEINTRESOURCEA(static_cast<WORD>(id & 0xFFFF));
    ResourceBytes neutral(module, type, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT));
    if (neutral || neutral.GetErrorCode() != ERROR_RESOURCE_LANG_NOT_FOUND)
        return neutral;
    // The neutral lookup follows the user's languages, which need not include the one the
    // payload is stored in.
    return ResourceBytes(module, type, name, installer::kPayloadLanguage);
}

bool ExtractFiles(const std::string& dir, ProtectedAccess& access) {
    bool allWritten = true;
    for (const installer::PayloadFile& file : installer::kPayload) {
        if (!ExtractResourceFile(installer::kPayloadType, file.resourceId, dir + file.fileName,
                                 access))
            allWritten = false;
    }
    return allWritten;
}

bool ExtractResourceFile(const char* type, unsigned id, const std::string& path,
                         ProtectedAccess& access) {
    const ResourceBytes resource = PayloadResource(type, id);
    if (resource.GetErrorCode() != 0) {
        ShowMessage(installer::ResourceNotLoadedMessage(
                        path, AnsiToUtf8(SystemMessage(resource.GetErrorCode()))),
                    AfxGetAppName(), MB_ICONERROR);
        return false;
    }
    try {
        FileHandle opened;
        if (const DWORD error = OpenOwnFile(path, 0, &access, opened))
            ThrowFileError(error);
        CFile file(std::move(opened));
        file.Write(resource.GetData(), resource.GetSize());
        file.Close();
        return true;
    } catch (const CException& e) {
        ShowMessage(installer::FileNotWrittenMessage(path, AnsiToUtf8(GetErrorDescription(e, 255))),
                    AfxGetAppName(), MB_ICONERROR);
        return false;
    }
}
