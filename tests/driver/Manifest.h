#pragma once
// A program's manifest as the system's own reader understands it (the activation context made
// from the program file), so that a misspelt name or namespace reads as missing, exactly as it
// would when the program starts.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testdriver {

struct Manifest {
    // The windows settings "dpiAware" and "dpiAwareness"; empty when absent.
    std::string dpiAware;
    std::string dpiAwareness;
    // The operating systems named as supported, in the manifest's order.
    std::vector<GUID> supportedOS;
};

// The manifest of the program file at path (resource 1 of type RT_MANIFEST); nothing when the
// file has none or the system cannot read it.
std::optional<Manifest> ReadManifest(const std::string& path);

} // namespace testdriver
