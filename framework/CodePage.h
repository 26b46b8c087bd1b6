#pragma once
// Text between a code page (CP_ACP, CP_UTF8...) and UTF-16, as the system converts it.

#include <windows.h>

#include <optional>
#include <string>

std::wstring ToWide(UINT codePage, const std::string& text);
// Text in the ANSI code page (the system's narrow texts) in UTF-8.
std::string AnsiToUtf8(const std::string& text);
// flags and usedDefault as WideCharToMultiByte takes them.
std::string FromWide(UINT codePage, const std::wstring& wide, DWORD flags = 0,
                     BOOL* usedDefault = nullptr);
// The text in the code page when that holds it: no default character, no best fit, and back in
// UTF-16 the same text. In UTF-8 (65001) only ASCII counts as held. Nothing otherwise.
std::optional<std::string> FromWideExactly(UINT codePage, const std::wstring& wide);
