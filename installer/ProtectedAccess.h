#pragma once
// The access list the installer gives the folder it creates and every file it writes, so that no
// user but an administrator can change, rename or delete what later runs with administrator
// rights: owned by Administrators, full control for SYSTEM and Administrators, read and execute
// for Users, and protected, so that nothing of the parent's list is inherited.

#include "framework/UniqueHandle.h"

#include <windows.h>

class ProtectedAccess {
public:
    // A folder's list passes its entries on to what is created inside it; a file's does not.
    enum class Kind { Folder, File };

    explicit ProtectedAccess(Kind kind);
    ProtectedAccess(const ProtectedAccess&) = delete;
    ProtectedAccess& operator=(const ProtectedAccess&) = delete;

    // 0 when the descriptor was built, otherwise the system's error code.
    DWORD GetError() const { return m_dwError; }
    // The descriptor for CreateDirectory and CreateFile; NULL when it could not be built.
    SECURITY_ATTRIBUTES* Attributes() { return m_descriptor ? &m_attributes : nullptr; }
    // Gives an object that exists already this owner and list (SetSecurityInfo); 0 or the error.
    DWORD ApplyTo(HANDLE object) const;

private:
    LocalMemory m_descriptor;
    SECURITY_ATTRIBUTES m_attributes{};
    DWORD m_dwError = 0;
};
