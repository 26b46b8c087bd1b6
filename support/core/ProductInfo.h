#pragma once
// Facts about the product that all three programs share.

namespace product {

// The program version, which is also the version of the document format.
constexpr double kVersion = 1.0;
// Decimals with which the version is always written ("1.0").
constexpr int kVersionDecimals = 1;

// The product's key, under HKEY_LOCAL_MACHINE for the installation record and under
// HKEY_CURRENT_USER for the user's settings.
constexpr const char* kRegistryKey = "Software\\Zembra\\";
// The installation record's values under the machine's product key.
constexpr const char* kPathValue = "Path";
constexpr const char* kVersionValue = "Version";

} // namespace product
