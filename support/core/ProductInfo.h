#pragma once
// Facts about the product that all three programs share.

namespace product {

// The program version, which is also the version of the document format. Its text, "1.0", is
// ProductVersionText (VersionText.h).
constexpr double kVersion = 1.0;
// The product's name in the list of installed programs and in the uninstaller's messages.
constexpr const char* kDisplayName = "Zembra 1.0";

// The product's key, under HKEY_LOCAL_MACHINE for the installation record and under
// HKEY_CURRENT_USER for the user's settings.
constexpr const char* kRegistryKey = "Software\\Zembra\\";
// The installation record's values under the machine's product key.
constexpr const char* kPathValue = "Path";
constexpr const char* kVersionValue = "Version";

// The product's entry in the system's list of installed programs, under HKEY_LOCAL_MACHINE.
constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zembra";
// The uninstaller's one argument for a run without any message: exactly this word, this case.
constexpr const char* kSilentArgument = "Silent";

// The document type: the extension's key and the type's key under HKEY_CLASSES_ROOT.
constexpr const char* kDocumentExtension = ".zembra";
constexpr const char* kDocumentType = "Zembra.Document";

// The installed files, each directly in the install folder.
constexpr const char* kProgramFile = "Zembra.exe";
constexpr const char* kDocumentIconFile = "FileType Icon.ico";
constexpr const char* kHelpFile = "Help.htm";
constexpr const char* kTemplateFile = "New MessageBox.zembra";
constexpr const char* kUninstallerFile = "Uninstall.exe";
constexpr const char* kCliFile = "zembra-cli.exe";
// The shortcut to the editor on the desktop shared by all users.
constexpr const char* kShortcutFile = "Zembra.lnk";

} // namespace product
