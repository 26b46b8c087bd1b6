#pragma once
// Text between a code page (CP_ACP, CP_UTF8...) and UTF-16, as the system converts it.

#include <windows.h>

#include <string>

std::wstring ToWide(UINT codePage, const std::string& text);
// flags and usedDefault as WideCharToMultiByte takes them.
std::string FromWide(UINT codePage, const std::wstring& wide, DWORD flags = 0,
                     BOOL* usedDefault = nullptr);
