#include "ZembraFormat.h"

#include "framework/core/Archive.h"
#include "support/core/ProductInfo.h"

double ReadZembraVersion(CArchive& ar) {
    return ar.ReadDouble();
}

bool IsOtherVersion(double version) {
    return version < product::kVersion || version > product::kVersion;
}

namespace {

std::string ReadOptionalString(CArchive& ar) {
    return ar.ReadUInt32() != 0 ? ar.ReadString() : std::string();
}

void WriteOptionalString(CArchive& ar, const std::string& text) {
    ar.WriteUInt32(text.empty() ? 0 : 1);
    if (!text.empty())
        ar.WriteString(text);
}

} // namespace

BoxBlockRead ReadZembraBody(CArchive& ar, MessageBoxDesign& design) {
    std::string caption = ReadOptionalString(ar);
    std::string text = ReadOptionalString(ar);
    const std::uint32_t style = ar.ReadUInt32();
    design.SetCaption(caption);
    design.SetText(text);
    design.SetStyle(style);
    BoxExtras extras;
    const BoxBlockRead block = ReadBoxBlock(ar, design.GetButton(), extras);
    design.SetExtras(extras);
    return block;
}

void WriteZembra(CArchive& ar, const MessageBoxDesign& design) {
    ar.WriteDouble(product::kVersion);
    WriteOptionalString(ar, design.GetCaption());
    WriteOptionalString(ar, design.GetText());
    ar.WriteUInt32(design.GetStyle());
    WriteBoxBlock(ar, design.GetExtras());
}

std::vector<unsigned char> ZembraBytes(const MessageBoxDesign& design) {
    MemoryStream stream;
    CArchive ar(stream, CArchive::store);
    WriteZembra(ar, design);
    ar.Close();
    return stream.Bytes();
}
