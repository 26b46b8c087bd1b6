#include "tests/driver/ProgramImage.h"

#include "tests/driver/Files.h"

#include <cstring>

namespace testdriver {

namespace {

class ImageBytes {
public:
    explicit ImageBytes(std::string bytes) : m_bytes(std::move(bytes)) {}

    template <typename T> std::optional<T> At(std::size_t offset) const {
        if (offset > m_bytes.size() || m_bytes.size() - offset < sizeof(T))
            return std::nullopt;
        T value;
        std::memcpy(&value, m_bytes.data() + offset, sizeof(T));
        return value;
    }

    // The zero-ended text at offset; nothing when it runs past the end.
    std::optional<std::string> TextAt(std::size_t offset) const {
        if (offset >= m_bytes.size())
            return std::nullopt;
        const std::size_t end = m_bytes.find('\0', offset);
        if (end == std::string::npos)
            return std::nullopt;
        return m_bytes.substr(offset, end - offset);
    }

    // The file offset of a relative virtual address, through the section table.
    void SetSections(std::vector<IMAGE_SECTION_HEADER> sections) {
        m_sections = std::move(sections);
    }
    std::optional<std::size_t> OffsetOf(DWORD rva) const {
        for (const IMAGE_SECTION_HEADER& section : m_sections) {
            const DWORD size =
                section.Misc.VirtualSize != 0 ? section.Misc.VirtualSize : section.SizeOfRawData;
            if (rva >= section.VirtualAddress && rva - section.VirtualAddress < size)
                return std::size_t{section.PointerToRawData} + (rva - section.VirtualAddress);
        }
        return std::nullopt;
    }
    std::optional<std::string> TextAtRva(DWORD rva) const {
        const auto offset = OffsetOf(rva);
        return offset ? TextAt(*offset) : std::nullopt;
    }

private:
    std::string m_bytes;
    std::vector<IMAGE_SECTION_HEADER> m_sections;
};

std::optional<std::vector<std::string>> ImportedFunctions(const ImageBytes& image, DWORD thunks) {
    std::vector<std::string> functions;
    auto offset = image.OffsetOf(thunks);
    for (; offset; *offset += sizeof(ULONGLONG)) {
        const auto thunk = image.At<ULONGLONG>(*offset);
        if (!thunk)
            return std::nullopt;
        if (*thunk == 0)
            return functions;
        if (*thunk & IMAGE_ORDINAL_FLAG64) {
            functions.push_back("#" + std::to_string(*thunk & 0xFFFF));
            continue;
        }
        // IMAGE_IMPORT_BY_NAME: a hint, then the name.
        const auto name = image.TextAtRva(static_cast<DWORD>(*thunk) + sizeof(WORD));
        if (!name)
            return std::nullopt;
        functions.push_back(*name);
    }
    return std::nullopt;
}

// Calls each(descriptor, its DLL's name) for every descriptor of the table at rva (none when rva is
// 0) up to the one whose name is 0; false when the table or a name runs off the file or each fails.
template <typename Descriptor, typename Each>
bool EachDescriptor(const ImageBytes& image, DWORD rva, DWORD Descriptor::*name, Each each) {
    if (rva == 0)
        return true;
    for (auto at = image.OffsetOf(rva); at; *at += sizeof(Descriptor)) {
        const auto descriptor = image.At<Descriptor>(*at);
        if (!descriptor)
            return false;
        if ((*descriptor).*name == 0)
            return true;
        const auto text = image.TextAtRva((*descriptor).*name);
        if (!text || !each(*descriptor, *text))
            return false;
    }
    return false;
}

} // namespace

std::optional<ProgramImage> ReadProgramImage(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    ImageBytes image(*bytes);
    const auto dos = image.At<IMAGE_DOS_HEADER>(0);
    if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE)
        return std::nullopt;
    const std::size_t ntAt = static_cast<std::size_t>(dos->e_lfanew);
    const auto nt = image.At<IMAGE_NT_HEADERS64>(ntAt);
    if (!nt || nt->Signature != IMAGE_NT_SIGNATURE ||
        nt->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC)
        return std::nullopt;
    std::vector<IMAGE_SECTION_HEADER> sections;
    const std::size_t sectionsAt =
        ntAt + offsetof(IMAGE_NT_HEADERS64, OptionalHeader) + nt->FileHeader.SizeOfOptionalHeader;
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
        const auto section =
            image.At<IMAGE_SECTION_HEADER>(sectionsAt + i * sizeof(IMAGE_SECTION_HEADER));
        if (!section)
            return std::nullopt;
        sections.push_back(*section);
    }
    image.SetSections(std::move(sections));

    const IMAGE_OPTIONAL_HEADER64& optional = nt->OptionalHeader;
    ProgramImage result;
    result.characteristics = nt->FileHeader.Characteristics;
    result.subsystem = optional.Subsystem;
    result.dllCharacteristics = optional.DllCharacteristics;
    const auto directory = [&](int index) {
        return optional.NumberOfRvaAndSizes > static_cast<DWORD>(index)
                   ? optional.DataDirectory[index]
                   : IMAGE_DATA_DIRECTORY{};
    };
    result.relocationsSize = directory(IMAGE_DIRECTORY_ENTRY_BASERELOC).Size;

    const bool read =
        EachDescriptor<IMAGE_IMPORT_DESCRIPTOR>(
            image, directory(IMAGE_DIRECTORY_ENTRY_IMPORT).VirtualAddress,
            &IMAGE_IMPORT_DESCRIPTOR::Name,
            [&](const auto& descriptor, const std::string& name) {
                const auto functions = ImportedFunctions(image, descriptor.OriginalFirstThunk != 0
                                                                    ? descriptor.OriginalFirstThunk
                                                                    : descriptor.FirstThunk);
                if (functions)
                    result.imports.push_back({name, *functions});
                return functions.has_value();
            }) &&
        EachDescriptor<IMAGE_DELAYLOAD_DESCRIPTOR>(
            image, directory(IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT).VirtualAddress,
            &IMAGE_DELAYLOAD_DESCRIPTOR::DllNameRVA, [&](const auto&, const std::string& name) {
                result.delayImports.push_back(name);
                return true;
            });
    if (!read)
        return std::nullopt;
    return result;
}

} // namespace testdriver
