#pragma once
// When the running program was built: the time the linker stamped into its header, which a
// release build takes from SOURCE_DATE_EPOCH.

#include <cstdint>

// Seconds since 1970 (UTC), as the program's PE header holds them.
std::uint32_t LinkTime();
