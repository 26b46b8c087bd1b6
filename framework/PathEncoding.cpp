#include "PathEncoding.h"

#include "framework/CodePage.h"

std::wstring WidePath(const std::string& path) {
    return ToWide(CP_UTF8, path);
}

std::string Utf8Path(const std::wstring& path) {
    return FromWide(CP_UTF8, path);
}
