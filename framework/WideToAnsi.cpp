#include "framework/CodePage.h"
#include "framework/core/Archive.h"

std::string WideToAnsi(const std::u16string& wide) {
    return FromWide(CP_ACP, std::wstring(wide.begin(), wide.end()));
}
