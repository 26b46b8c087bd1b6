#pragma once
// How a run of the installer ended, which is also its exit code, so that a script or a
// deployment tool can tell the outcomes apart.

namespace installer {

enum class InstallOutcome {
    // Every step of the installation succeeded.
    Complete = 0,
    // Installed, but at least one step failed (or the run was stopped while installing).
    Incomplete = 1,
    // Nothing was installed: declined, cancelled, or not possible.
    NothingInstalled = 2,
};

constexpr int ExitCodeOf(InstallOutcome outcome) {
    return static_cast<int>(outcome);
}

} // namespace installer
