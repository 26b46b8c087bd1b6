// zembra-cli on Windows: documents and boxes from scripts.

#include "cli/WindowsSystem.h"
#include "cli/core/Cli.h"
#include "framework/UniqueHandle.h"

#include <shellapi.h>
#include <windows.h>

namespace {

// The arguments after the program's name, as the user wrote them (in UTF-8).
std::vector<std::string> Arguments() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const LocalMemory owner(arguments);
    std::vector<std::string> result;
    for (int i = 1; arguments != nullptr && i < count; ++i)
        result.push_back(cli::WideToUtf8(arguments[i]));
    return result;
}

} // namespace

int main() {
    cli::WindowsSystem system;
    return cli::RunCli(Arguments(), system);
}
