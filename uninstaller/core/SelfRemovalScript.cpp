#include "SelfRemovalScript.h"

namespace uninstaller {

namespace {
std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}
} // namespace

std::array<std::string, 3> SelfRemovalScriptPieces(const std::string& programPath,
                                                   const std::string& programFolder,
                                                   const std::string& scriptPath) {
    const std::string program = Quoted(programPath);
    return {
        ":Repeat\ndel " + program + "\nif exist ",
        program + " goto Repeat\nrmdir " + Quoted(programFolder),
        "\ndel \"" + scriptPath + "\"",
    };
}

std::string SelfRemovalScriptFile(const std::string& programPath, const std::string& programFolder,
                                  const std::string& scriptPath) {
    std::string bytes;
    for (const std::string& piece :
         SelfRemovalScriptPieces(programPath, programFolder, scriptPath)) {
        for (const char c : piece) {
            if (c == '\n')
                bytes += '\r';
            bytes += c;
        }
    }
    return bytes;
}

std::string WithExtension(const std::string& path, const std::string& extension) {
    const std::size_t nameStart = path.find_last_of("\\/:");
    const std::size_t period = path.find_last_of('.');
    if (period == std::string::npos || (nameStart != std::string::npos && period < nameStart))
        return std::string();
    return path.substr(0, period + 1) + extension;
}

unsigned TempNameNumber(const std::string& path) {
    const std::size_t nameStart = path.find_last_of("\\/:");
    const std::string name = path.substr(nameStart == std::string::npos ? 0 : nameStart + 1);
    const std::size_t period = name.find('.');
    if (name.compare(0, 3, "TMP") != 0 || period == std::string::npos || period == 3 || period > 7)
        return 0;
    unsigned number = 0;
    for (std::size_t i = 3; i < period; ++i) {
        const char c = name[i];
        unsigned digit = 0;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
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
