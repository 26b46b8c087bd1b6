// Reads the committed icon files with a reader of its own (not the generator's code) and checks
// what Windows and the shell rely on: the directory, each image's header and sizes, offsets that
// stay inside the file without overlapping, a mask that agrees with the colours, and artwork that
// is more than a blank square.

#include "tests/driver/core/NamedCase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct Format {
    int size;
    int bits;
};

// Named after the file's name without its dot and blanks.
struct IconCase : testdriver::NamedCase {
    const char* path; // relative to the source tree
    std::vector<Format> images;
};

const std::vector<Format> kProgramImages = {{16, 32}, {32, 32}, {48, 32},
                                            {16, 8},  {32, 8},  {48, 8}};

const IconCase kIcons[] = {
    {{"Zembraico"}, "app/Zembra.ico", kProgramImages},
    {{"Uninstallico"}, "uninstaller/Uninstall.ico", kProgramImages},
    {{"Installico"}, "installer/Install.ico", kProgramImages},
    {{"FileTypeIconico"}, "installer/payload/FileType Icon.ico", {{32, 4}, {64, 8}}},
};

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t U16(const Bytes& b, size_t at) {
    return b.at(at) | b.at(at + 1) << 8;
}
std::uint32_t U32(const Bytes& b, size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

size_t RowBytes(int width, int bits) {
    return (static_cast<size_t>(width) * bits + 31) / 32 * 4;
}

// One decoded image: straight RGBA, top row first, and the AND mask (true = transparent).
struct Picture {
    int size = 0;
    std::vector<std::uint32_t> rgba; // 0xAARRGGBB
    std::vector<bool> masked;
    std::set<std::uint32_t> opaqueColours;
    int opaque = 0;
};

// Decodes one image whose directory entry has been checked; reports failures through gtest.
Picture Decode(const Bytes& file, size_t offset, const Format& format) {
    Picture picture;
    picture.size = format.size;
    const int n = format.size;
    // The BITMAPINFOHEADER's size, width, height (colour and mask), planes, bit count and
    // compression (none).
    EXPECT_EQ((std::vector<std::uint32_t>{U32(file, offset), U32(file, offset + 4),
                                          U32(file, offset + 8), U16(file, offset + 12),
                                          U16(file, offset + 14), U32(file, offset + 16)}),
              (std::vector<std::uint32_t>{40, std::uint32_t(n), std::uint32_t(2 * n), 1,
                                          std::uint32_t(format.bits), 0}));

    const size_t paletteEntries = format.bits <= 8 ? size_t{1} << format.bits : 0;
    const size_t palette = offset + 40;
    const size_t colour = palette + 4 * paletteEntries;
    const size_t mask = colour + RowBytes(n, format.bits) * n;
    picture.rgba.resize(static_cast<size_t>(n) * n);
    picture.masked.resize(picture.rgba.size());
    for (int y = 0; y < n; ++y) {
        const size_t colourRow = colour + RowBytes(n, format.bits) * (n - 1 - y);
        const size_t maskRow = mask + RowBytes(n, 1) * (n - 1 - y);
        for (int x = 0; x < n; ++x) {
            std::uint32_t pixel = 0;
            if (format.bits == 32) {
                pixel = U32(file, colourRow + 4 * x);
            } else {
                unsigned index = format.bits == 8
                                     ? file.at(colourRow + x)
                                     : (file.at(colourRow + x / 2) >> (x % 2 ? 0 : 4)) & 15;
                pixel = 0xFF000000u | (U32(file, palette + 4 * index) & 0xFFFFFFu);
                EXPECT_EQ(file.at(palette + 4 * index + 3), 0) << "palette reserved byte";
            }
            const bool isMasked = (file.at(maskRow + x / 8) >> (7 - x % 8)) & 1;
            const size_t at = static_cast<size_t>(y) * n + x;
            picture.rgba[at] = pixel;
            picture.masked[at] = isMasked;
            if (!isMasked) {
                ++picture.opaque;
                picture.opaqueColours.insert(pixel & 0xFFFFFFu);
            }
        }
    }
    return picture;
}

class IconFile : public testing::TestWithParam<IconCase> {};

TEST_P(IconFile, HasTheImagesTheShellExpectsAndSaneArtwork) {
    const IconCase& icon = GetParam();
    const Bytes file = ReadFile(std::string(ZEMBRA_SOURCE_DIR) + "/" + icon.path);
    ASSERT_GE(file.size(), 6u) << icon.path;
    EXPECT_EQ(U32(file, 0), 0x10000u) << "reserved, then the type: icon";
    ASSERT_EQ(U16(file, 4), icon.images.size()) << "image count";
    ASSERT_GE(file.size(), 6 + 16 * icon.images.size());

    std::vector<std::pair<size_t, size_t>> spans; // offset, length
    std::vector<Picture> pictures;
    for (size_t i = 0; i < icon.images.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const Format& format = icon.images[i];
        const size_t entry = 6 + 16 * i;
        // Width, height, colour count, reserved, planes and bit count, little-endian.
        const auto size = static_cast<unsigned char>(format.size % 256);
        const auto bits = static_cast<unsigned char>(format.bits);
        EXPECT_EQ(
            Bytes(file.begin() + entry, file.begin() + entry + 8),
            (Bytes{size, size, static_cast<unsigned char>(bits == 4 ? 16 : 0), 0, 1, 0, bits, 0}));
        const size_t length = U32(file, entry + 8);
        const size_t offset = U32(file, entry + 12);
        const size_t paletteBytes = format.bits <= 8 ? 4 * (size_t{1} << format.bits) : 0;
        const size_t expected = 40 + paletteBytes +
                                RowBytes(format.size, format.bits) * format.size +
                                RowBytes(format.size, 1) * format.size;
        EXPECT_EQ(length, expected) << "bytes in resource";
        ASSERT_GE(offset, 6 + 16 * icon.images.size()) << "image inside the directory";
        ASSERT_LE(offset + length, file.size()) << "image past the end of the file";
        spans.emplace_back(offset, length);
        pictures.push_back(Decode(file, offset, format));
    }

    // The images follow the directory one after another and fill the file exactly.
    std::sort(spans.begin(), spans.end());
    size_t next = 6 + 16 * icon.images.size();
    for (const auto& [offset, length] : spans) {
        EXPECT_EQ(offset, next) << "gap or overlap between images";
        next = offset + length;
    }
    EXPECT_EQ(next, file.size()) << "bytes after the last image";

    for (size_t i = 0; i < pictures.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const Picture& p = pictures[i];
        const int n = p.size;
        const size_t pixels = static_cast<size_t>(n) * n;
        // Artwork with a shape of its own: transparent somewhere, mostly drawn, several colours.
        EXPECT_GT(p.opaque, static_cast<int>(pixels / 2));
        EXPECT_LT(p.opaque, static_cast<int>(pixels));
        EXPECT_GE(p.opaqueColours.size(), 8u);
        for (size_t at = 0; at < pixels; ++at) {
            const std::uint32_t alpha = p.rgba[at] >> 24;
            if (icon.images[i].bits == 32) {
                // The mask is what older displays use: it must cut out what the alpha leaves out.
                EXPECT_EQ(p.masked[at], alpha < 128) << "mask and alpha disagree at " << at;
                if (alpha == 0) {
                    EXPECT_EQ(p.rgba[at], 0u) << "colour under a transparent pixel at " << at;
                }
            } else if (p.masked[at]) {
                // AND then XOR: only black leaves the screen unchanged under a set mask bit.
                EXPECT_EQ(p.rgba[at] & 0xFFFFFFu, 0u) << "visible colour under the mask at " << at;
            }
        }
        // Every version of one size has the same outline.
        for (size_t j = 0; j < i; ++j) {
            if (pictures[j].size == n) {
                EXPECT_EQ(pictures[j].masked, p.masked) << "outline differs from image " << j;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Committed, IconFile, testing::ValuesIn(kIcons), testdriver::CaseName());

} // namespace
