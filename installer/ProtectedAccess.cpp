#include "ProtectedAccess.h"

#include <aclapi.h>
#include <sddl.h>

namespace {

// Owner Administrators; a protected list: full control for SYSTEM and Administrators, read and
// execute (FILE_GENERIC_READ | FILE_GENERIC_EXECUTE) for Users; a folder's entries are inherited
// by the files and folders inside it.
const char* const kFolderDescriptor =
    "O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)";
const char* const kFileDescriptor = "O:BAD:P(A;;FA;;;SY)(A;;FA;;;BA)(A;;0x1200a9;;;BU)";

} // namespace

ProtectedAccess::ProtectedAccess(Kind kind) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(
            kind == Kind::Folder ? kFolderDescriptor : kFileDescriptor, SDDL_REVISION_1,
            &descriptor, nullptr)) {
        m_dwError = GetLastError();
        return;
    }
    m_descriptor.Reset(descriptor);
    m_attributes.nLength = sizeof m_attributes;
    m_attributes.lpSecurityDescriptor = descriptor;
    m_attributes.bInheritHandle = FALSE;
}

DWORD ProtectedAccess::ApplyTo(HANDLE object) const {
    if (!m_descriptor)
        return m_dwError;
    const PSECURITY_DESCRIPTOR descriptor = m_descriptor.Get();
    PSID owner = nullptr;
    BOOL defaulted = FALSE;
    PACL list = nullptr;
    BOOL present = FALSE;
    if (!GetSecurityDescriptorOwner(descriptor, &owner, &defaulted) ||
        !GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted))
        return GetLastError();
    return SetSecurityInfo(object, SE_FILE_OBJECT,
                           OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION |
                               PROTECTED_DACL_SECURITY_INFORMATION,
                           owner, nullptr, list, nullptr);
}
