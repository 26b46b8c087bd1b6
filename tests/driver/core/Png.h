#pragma once
// Pictures as PNG files: 24-bit colour, stored uncompressed inside the format's own framing.

#include <cstdint>
#include <string>
#include <vector>

namespace testdriver {

// width x height pixels, row by row from the top, each 0x00RRGGBB. Empty when the sizes do not
// match the pixels.
std::vector<unsigned char> EncodePng(int width, int height,
                                     const std::vector<std::uint32_t>& pixels);

// Writes bytes to path (a file name as the system takes it); false when it cannot.
bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes);

} // namespace testdriver
