#pragma once
// zembra-cli: documents and boxes from scripts.

#include "app/core/ButtonSets.h"
#include "cli/core/CliSystem.h"

#include <string>
#include <vector>

namespace cli {

// The exit code that Windows gives a box that timed out, and zembra-cli too.
constexpr int kTimedOut = static_cast<int>(::kTimedOut);

// Carries out the command of the arguments after the program's name; returns the exit code.
int RunCli(const std::vector<std::string>& arguments, CliSystem& system);

} // namespace cli
