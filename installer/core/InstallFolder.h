#pragma once
// The folders the installer accepts and the earlier installation's uninstaller it starts: only
// full paths, so that nothing lands beside wherever the installer was started and no program is
// looked for along the search path.

#include <string>

namespace installer {

// A drive letter, a colon and a backslash ("C:\..."), or a UNC path with a server and a share
// ("\\server\share", "\\server\share\..."). Empty, relative, "C:" alone, "C:Zembra" and "\Zembra"
// are not; nor are the device namespaces "\\.\" and "\\?\".
bool IsFullPath(const std::string& path);

// The uninstaller of the earlier installation: the path its recorded "UninstallString" names when
// that is a full path, quoted ("\"C:\Apps\Uninstall.exe\"", as recorded now) or bare (as earlier
// versions recorded it), otherwise "Uninstall.exe" in its recorded "Path" when that is one; empty
// when neither is, and then nothing is started.
std::string PreviousUninstaller(const std::string& uninstallString,
                                const std::string& recordedPath);

// The command that removes the installation in dir (ending in a backslash) without asking: the
// quoted path of its "Uninstall.exe" followed by " Silent".
std::string QuietUninstallCommand(const std::string& dir);

} // namespace installer
