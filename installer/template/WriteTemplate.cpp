// Writes the template document of the shell's New menu with the product's own document writer:
//   write_template <file>
// The template is a new, empty document, so it cannot drift from what the editor saves.

#include "app/core/ZembraFormat.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_template <file>\n");
        return 2;
    }
    const auto bytes = ZembraBytes(MessageBoxDesign());
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
