#pragma once
// The version an earlier installation recorded, and what the installer does about it.

#include <string>

// The number at the start of the recorded text, read as strtod reads a decimal number with a
// period as decimal separator: leading white space and a sign are skipped over, the longest
// leading part that forms a decimal number (digits, an optional fraction, an optional exponent)
// counts, and text without such a part gives 0.0. Hexadecimal numbers, "inf" and "nan" are not
// decimal numbers and give 0.0.
double ParseInstalledVersion(const std::string& recorded);

enum class InstallDecision {
    // Nothing newer or equal is installed: install at once, removing nothing.
    InstallAtOnce,
    // This very version is installed: ask whether to re-install.
    AskReinstall,
    // A higher version is installed: ask whether to replace it.
    AskReplaceHigher,
};

// Exact comparison of the installed version with this program's version 1.0.
InstallDecision DecideInstall(double installedVersion);

// The question asked for a decision (empty for InstallAtOnce).
std::string InstallQuestion(InstallDecision decision);
