#include "Administrator.h"

#include "framework/MessageBox.h"
#include "framework/UniqueHandle.h"
#include "framework/WinApp.h"

#include <vector>

namespace {
const DWORD InitialGroupsSize = 1024;

// The token's groups into the buffer, grown until they fit; false when they cannot be read.
bool ReadTokenGroups(HANDLE token, std::vector<BYTE>& buffer) {
    DWORD size = InitialGroupsSize;
    for (;;) {
        buffer.assign(size, 0);
        SetLastError(ERROR_SUCCESS);
        if (GetTokenInformation(token, TokenGroups, buffer.data(), size, &size))
            return true;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return false;
    }
}
} // namespace

bool IsAdministrator() {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    SidHandle administrators;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                  administrators.Receive()))
        return false;
    KernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Receive()))
        return false;
    std::vector<BYTE> buffer;
    if (!ReadTokenGroups(token.Get(), buffer))
        return false;
    const auto* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer.data());
    for (DWORD i = 0; i < groups->GroupCount; ++i) {
        if (EqualSid(administrators.Get(), groups->Groups[i].Sid))
            return true;
    }
    return false;
}

bool ConfirmUnlessAdministrator(const std::string& question) {
    if (IsAdministrator())
        return true;
    return ShowMessage(question, AfxGetAppName(), MB_YESNO | MB_ICONINFORMATION) == IDYES;
}
