// The test driver's PNG pictures, read back by the format's rules: chunk framing and checksums,
// the zlib stream's stored blocks and checksum, and the pixels row by row.

#include "tests/driver/core/Png.h"
#include "tests/driver/core/NamedCase.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::uint32_t BigEndian(const Bytes& bytes, std::size_t at) {
    return (std::uint32_t(bytes.at(at)) << 24) | (std::uint32_t(bytes.at(at + 1)) << 16) |
           (std::uint32_t(bytes.at(at + 2)) << 8) | bytes.at(at + 3);
}

// The bitwise CRC-32 of the format, written out independently of the encoder's table.
std::uint32_t Crc(const Bytes& bytes, std::size_t at, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = at; i < at + size; ++i) {
        crc ^= bytes.at(i);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

struct Chunk {
    std::string type;
    Bytes data;
};

// The chunks after the signature; a chunk with a wrong checksum fails the test.
std::vector<Chunk> ChunksOf(const Bytes& png) {
    std::vector<Chunk> chunks;
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = BigEndian(png, at);
        Chunk chunk{std::string(png.begin() + at + 4, png.begin() + at + 8),
                    Bytes(png.begin() + at + 8, png.begin() + at + 8 + length)};
        EXPECT_EQ(BigEndian(png, at + 8 + length), Crc(png, at + 4, 4 + length)) << chunk.type;
        chunks.push_back(chunk);
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    return chunks;
}

// The data of a zlib stream made of stored blocks; checks the header, the blocks and the checksum.
Bytes Inflate(const Bytes& zlib) {
    EXPECT_EQ((zlib.at(0) * 256 + zlib.at(1)) % 31, 0);
    EXPECT_EQ(zlib.at(0) & 0x0F, 8); // deflate
    Bytes data;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        last = (zlib.at(at) & 1) != 0;
        EXPECT_EQ(zlib.at(at) & 6, 0); // stored
        const unsigned size = zlib.at(at + 1) | (zlib.at(at + 2) << 8);
        const unsigned check = zlib.at(at + 3) | (zlib.at(at + 4) << 8);
        EXPECT_EQ(size ^ check, 0xFFFFu);
        data.insert(data.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + size);
        at += 5 + size;
    }
    std::uint32_t a = 1, b = 0;
    for (unsigned char byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    EXPECT_EQ(BigEndian(zlib, at), (b << 16) | a);
    EXPECT_EQ(at + 4, zlib.size());
    return data;
}

struct Picture {
    const char* name;
    int width;
    int height;
};

class PngTest : public testing::TestWithParam<Picture> {};

TEST_P(PngTest, ReadsBackAsTheSamePixels) {
    const int width = GetParam().width;
    const int height = GetParam().height;
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.push_back((static_cast<std::uint32_t>(i) * 2654435761u) & 0x00FFFFFF);
    const Bytes png = testdriver::EncodePng(width, height, pixels);

    ASSERT_GE(png.size(), 8u);
    EXPECT_EQ(Bytes(png.begin(), png.begin() + 8),
              (Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
    const auto chunks = ChunksOf(png);
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].type, "IHDR");
    EXPECT_EQ(chunks[1].type, "IDAT");
    EXPECT_EQ(chunks[2].type, "IEND");
    EXPECT_TRUE(chunks[2].data.empty());
    ASSERT_EQ(chunks[0].data.size(), 13u);
    EXPECT_EQ(BigEndian(chunks[0].data, 0), std::uint32_t(width));
    EXPECT_EQ(BigEndian(chunks[0].data, 4), std::uint32_t(height));
    EXPECT_EQ(Bytes(chunks[0].data.begin() + 8, chunks[0].data.end()), (Bytes{8, 2, 0, 0, 0}));

    const Bytes raw = Inflate(chunks[1].data);
    const std::size_t stride = 1 + 3 * static_cast<std::size_t>(width);
    ASSERT_EQ(raw.size(), stride * height);
    for (int y = 0; y < height; ++y) {
        EXPECT_EQ(raw[y * stride], 0) << "row " << y << " is not unfiltered";
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = pixels[static_cast<std::size_t>(y) * width + x];
            const unsigned char* rgb = &raw[y * stride + 1 + 3 * x];
            ASSERT_EQ(rgb[0], (pixel >> 16) & 0xFF) << x << "," << y;
            ASSERT_EQ(rgb[1], (pixel >> 8) & 0xFF) << x << "," << y;
            ASSERT_EQ(rgb[2], pixel & 0xFF) << x << "," << y;
        }
    }
}

// One pixel, a few rows in one stored block, rows that fill exactly one whole block (85 bytes a
// row, 771 rows: 65535 bytes), and a window-sized picture that needs several.
INSTANTIATE_TEST_SUITE_P(Pictures, PngTest,
                         testing::Values(Picture{"OnePixel", 1, 1}, Picture{"Small", 7, 3},
                                         Picture{"ExactlyOneFullBlock", 28, 771},
                                         Picture{"SeveralBlocks", 420, 240}),
                         testdriver::CaseName());

TEST(Png, RefusesSizesThatDoNotMatchThePixels) {
    EXPECT_TRUE(testdriver::EncodePng(2, 2, {1, 2, 3}).empty());
    EXPECT_TRUE(testdriver::EncodePng(0, 0, {}).empty());
    EXPECT_TRUE(testdriver::EncodePng(-1, -1, {1}).empty());
}

} // namespace
