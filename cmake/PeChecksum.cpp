// Writes the image checksum into a Windows program's header, as the GNU linker did and lld does
// not: the 16-bit words of the file (the checksum field counted as zero) summed with their
// carries folded in, plus the file's length. A build tool, run on the build machine right after
// a deliverable is linked (cmake/Linker.cmake), so that signing a program changes nothing but its
// signature, and removing the signature gives the linked bytes back.
//
//     pe-checksum PROGRAM

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::uint32_t ReadWord32(const std::vector<unsigned char>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pe-checksum PROGRAM\n");
        return 2;
    }
    std::vector<unsigned char> bytes;
    {
        std::ifstream in(argv[1], std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // The checksum lies 64 bytes into the optional header, which follows the "PE\0\0" signature
    // and the 20-byte file header; the signature's offset is at 0x3C.
    const std::size_t header = bytes.size() >= 0x40 ? ReadWord32(bytes, 0x3C) : 0;
    const std::size_t field = header + 4 + 20 + 64;
    if (header == 0 || field + 4 > bytes.size() || bytes[header] != 'P' ||
        bytes[header + 1] != 'E' || bytes[header + 2] != 0 || bytes[header + 3] != 0) {
        std::fprintf(stderr, "pe-checksum: %s is no Windows program\n", argv[1]);
        return 1;
    }
    std::uint64_t sum = 0;
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        if (at >= field && at < field + 4)
            continue;
        sum += bytes[at] | (at + 1 < bytes.size() ? bytes[at + 1] << 8 : 0);
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    const std::uint32_t checksum = static_cast<std::uint32_t>(sum + bytes.size());
    std::fstream out(argv[1], std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(field));
    const char word[4] = {static_cast<char>(checksum), static_cast<char>(checksum >> 8),
                          static_cast<char>(checksum >> 16), static_cast<char>(checksum >> 24)};
    out.write(word, sizeof word);
    out.flush();
    if (!out) {
        std::fprintf(stderr, "pe-checksum: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
