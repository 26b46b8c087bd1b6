#include "EntryCommandLine.h"

std::string SkipProgramName(const char* commandLine) {
    if (commandLine == nullptr)
        return std::string();
    const auto* p = reinterpret_cast<const unsigned char*>(commandLine);
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p > ' ')
            ++p;
    }
    while (*p != '\0' && *p <= ' ')
        ++p;
    return reinterpret_cast<const char*>(p);
}
