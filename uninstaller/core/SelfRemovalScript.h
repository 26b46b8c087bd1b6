#pragma once
// The batch file that removes the uninstaller and its folder once the uninstaller has ended, then
// itself. It holds no path: the command interpreter finds each one in its environment, and
// delayed expansion (!NAME!) hands a value to del and rmdir as it is, never expanding what it
// holds again, so that "%", "&", "^" and any other character of a folder's name reach them
// unchanged. Its lines:
//     setlocal EnableDelayedExpansion
//     :Repeat
//     del "!ZEMBRA_PROGRAM!"
//     if exist "!ZEMBRA_PROGRAM!" if !ZEMBRA_TRIES! gtr 0 set /a ZEMBRA_TRIES-=1 & "!ZEMBRA_PING!"
//         -n 2 127.0.0.1 & goto Repeat                                      (one line)
//     rmdir "!ZEMBRA_FOLDER!"
//     del "!ZEMBRA_SCRIPT!"
// While the uninstaller runs its file cannot be deleted: the script tries again after a pause of
// about a second (the system's ping waits a second between its two echoes; the command interpreter
// has no pause of its own) until no try is left, then removes the folder when it is empty and
// deletes itself either way. The last line has no line end.

#include <string>
#include <vector>

namespace uninstaller {

// The script's text, line feeds as "\n" (the file stores each as CR LF).
extern const char* const kSelfRemovalScript;

// How often the script tries again, about a second apart: about two minutes in all.
constexpr unsigned kScriptTries = 120;

// What the script works on, each a full path.
struct ScriptPaths {
    std::wstring program; // the uninstaller's file
    std::wstring folder;  // its folder, with the trailing backslash
    std::wstring script;  // the script's own file
    std::wstring ping;    // ping.exe in the system folder
};

// The variables the script reads, "NAME=value" each: the paths and the number of tries left.
std::vector<std::wstring> ScriptVariables(const ScriptPaths& paths, unsigned tries);

// An environment block as CreateProcessW takes it with CREATE_UNICODE_ENVIRONMENT: the entries of
// current ("NAME=value", as GetEnvironmentStringsW lists them, the drives' "=C:=C:\" included),
// without any whose name equals one of variables' (in any case), and variables, each at its place
// in the order of names regardless of case; every entry ends with a NUL, and one more NUL ends the
// block.
std::wstring EnvironmentBlock(const std::vector<std::wstring>& current,
                              const std::vector<std::wstring>& variables);

// The command line that runs script in interpreter (cmd.exe, by its full path): without AutoRun
// (/d), the script's quoted path in one more pair of quotes, which /c takes away whatever the path
// holds.
std::wstring ScriptCommandLine(const std::wstring& interpreter, const std::wstring& script);

// A temporary file's name with its extension replaced by extension (given without the period):
// everything up to the last period of the file name, a period and extension. Empty when the file
// name holds no period (a period in a folder name does not count).
std::wstring WithExtension(const std::wstring& path, const std::wstring& extension);

// The number a temporary name "TMP<hex>.<extension>" carries (its hexadecimal digits in either
// case), or 0 when the file name is not of that form.
unsigned TempNameNumber(const std::wstring& path);

// The number that follows unique among those a temporary name can carry, 1 to 0xFFFF: after
// 0xFFFF comes 1 again (0 would ask the system to choose one).
unsigned NextTempNumber(unsigned unique);

} // namespace uninstaller
