#include "SelfRemovalScript.h"

#include <algorithm>

namespace uninstaller {

const char* const kSelfRemovalScript =
    "setlocal EnableDelayedExpansion\n"
    ":Repeat\n"
    "del \"!ZEMBRA_PROGRAM!\"\n"
    "if exist \"!ZEMBRA_PROGRAM!\" if !ZEMBRA_TRIES! gtr 0 set /a ZEMBRA_TRIES-=1 & "
    "\"!ZEMBRA_PING!\" -n 2 127.0.0.1 & goto Repeat\n"
    "rmdir \"!ZEMBRA_FOLDER!\"\n"
    "del \"!ZEMBRA_SCRIPT!\"";

namespace {

// The name of an entry "NAME=value"; a drive's entry "=C:=C:\" is named "=C:".
std::wstring NameOf(const std::wstring& entry) {
    return entry.substr(0, entry.find(L'=', 1));
}

wchar_t Folded(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// a's name comes before b's, regardless of case.
bool NameBefore(const std::wstring& a, const std::wstring& b) {
    const std::wstring first = NameOf(a), second = NameOf(b);
    return std::lexicographical_compare(first.begin(), first.end(), second.begin(), second.end(),
                                        [](wchar_t x, wchar_t y) { return Folded(x) < Folded(y); });
}

bool SameName(const std::wstring& a, const std::wstring& b) {
    return !NameBefore(a, b) && !NameBefore(b, a);
}

} // namespace

std::vector<std::wstring> ScriptVariables(const ScriptPaths& paths, unsigned tries) {
    return {
        L"ZEMBRA_FOLDER=" + paths.folder,          L"ZEMBRA_PING=" + paths.ping,
        L"ZEMBRA_PROGRAM=" + paths.program,        L"ZEMBRA_SCRIPT=" + paths.script,
        L"ZEMBRA_TRIES=" + std::to_wstring(tries),
    };
}

std::wstring EnvironmentBlock(const std::vector<std::wstring>& current,
                              const std::vector<std::wstring>& variables) {
    std::vector<std::wstring> entries;
    for (const std::wstring& entry : current) {
        if (std::none_of(variables.begin(), variables.end(),
                         [&](const std::wstring& own) { return SameName(entry, own); }))
            entries.push_back(entry);
    }
    for (const std::wstring& own : variables)
        entries.insert(std::upper_bound(entries.begin(), entries.end(), own, NameBefore), own);
    std::wstring block;
    for (const std::wstring& entry : entries) {
        block += entry;
        block += L'\0';
    }
    block += L'\0';
    return block;
}

std::wstring ScriptCommandLine(const std::wstring& interpreter, const std::wstring& script) {
    return L"\"" + interpreter + L"\" /d /c \"\"" + script + L"\"\"";
}

std::wstring WithExtension(const std::wstring& path, const std::wstring& extension) {
    const std::size_t nameStart = path.find_last_of(L"\\/:");
    const std::size_t period = path.find_last_of(L'.');
    if (period == std::wstring::npos || (nameStart != std::wstring::npos && period < nameStart))
        return std::wstring();
    return path.substr(0, period + 1) + extension;
}

unsigned TempNameNumber(const std::wstring& path) {
    const std::size_t nameStart = path.find_last_of(L"\\/:");
    const std::wstring name = path.substr(nameStart == std::wstring::npos ? 0 : nameStart + 1);
    const std::size_t period = name.find(L'.');
    if (name.compare(0, 3, L"TMP") != 0 || period == std::wstring::npos || period == 3 ||
        period > 7)
        return 0;
    unsigned number = 0;
    for (std::size_t i = 3; i < period; ++i) {
        const wchar_t c = name[i];
        unsigned digit = 0;
        if (c >= L'0' && c <= L'9')
            digit = static_cast<unsigned>(c - L'0');
        else if (c >= L'a' && c <= L'f')
            digit = static_cast<unsigned>(c - L'a' + 10);
        else if (c >= L'A' && c <= L'F')
            digit = static_cast<unsigned>(c - L'A' + 10);
        else
            return 0;
        number = number * 16 + digit;
    }
    return number;
}

unsigned NextTempNumber(unsigned unique) {
    return unique % 0xFFFF + 1;
}

} // namespace uninstaller
