// Writes the sample documents with the program's own writer: write_examples <folder>.

#include "app/core/ZembraFormat.h"

#include <cstdio>
#include <string>

namespace {

struct Sample {
    const char* file;
    const char16_t* caption;
    const char16_t* text;
    std::uint32_t style;
};

const Sample kSamples[] = {
    {"Question.zembra", u"Backup", u"Shall the backup start now?", 0x2000 | 0x20 | 3},
    {"Warning.zembra", u"Disk space", u"The disk is almost full.\nDelete old logs and go on?",
     0x2000 | 0x30 | 4 | 0x100},
};

bool WriteSample(const std::string& folder, const Sample& sample) {
    const auto bytes = ZembraBytes(MessageBoxDesign(sample.caption, sample.text, sample.style));
    const std::string path = folder + "/" + sample.file;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    for (const Sample& sample : kSamples) {
        if (!WriteSample(folder, sample)) {
            std::fprintf(stderr, "could not write %s\n", sample.file);
            return 1;
        }
    }
    return 0;
}
