#include "MyDocuments.h"

#include <direct.h>
#include <string>
#include <windows.h>

namespace {
// Room for the longest user name (UNLEN) and its NUL.
const DWORD UserNameCapacity = 256;
} // namespace

void ChangeToMyDocuments() {
    char userName[UserNameCapacity];
    DWORD length = UserNameCapacity;
    if (!GetUserNameA(userName, &length))
        return;
    const std::string folder =
        std::string("C:\\Documents and Settings\\") + userName + "\\My Documents\\";
    _chdir(folder.c_str());
}
