// zembra-cli on Linux: documents from scripts.

#include "cli/core/Cli.h"
#include "cli/linux/PosixSystem.h"

#include <cstdio>

int main(int argc, char** argv) {
    cli::PosixSystem system;
    const int exitCode = cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), system);
    // Output that could not be written is a failure of a command that had nothing else to do.
    if (std::fflush(stdout) != 0 && exitCode == 0)
        return 1;
    return exitCode;
}
