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

} // namespace uninstaller
