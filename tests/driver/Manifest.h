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
    // The assemblies of the context as the system encodes their identities
    // ("Name,processorArchitecture=\"amd64\",...,version=\"6.0.2600.2982\""): the program's own
    // first, then those it depends on as the system resolved them.
    std::vector<std::string> assemblies;
    // The windows settings by name ("dpiAware", "dpiAwareness"); empty when absent.
    std::string dpiAware;
    std::string dpiAwareness;
    // The operating systems named as supported, in the manifest's order.
    std::vector<GUID> supportedOS;
    // ACTCTX_RUN_LEVEL_AS_INVOKER, ACTCTX_RUN_LEVEL_REQUIRE_ADMIN...
    DWORD runLevel = ACTCTX_RUN_LEVEL_UNSPECIFIED;
    bool uiAccess = false;
};

// The manifest of the program file at path (resource 1 of type RT_MANIFEST); nothing when the
// file has none or the system cannot read it.
std::optional<Manifest> ReadManifest(const std::string& path);

} // namespace testdriver
