#include "app/core/ZembraFormat.h"
#include "framework/core/Archive.h"
#include "framework/core/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

const Bytes kEmptyDocument = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F, 0x00, 0x00,
                              0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00};

Bytes Write(const MessageBoxDesign& design) {
    MemoryStream stream;
    CArchive ar(stream, CArchive::store);
    WriteZembra(ar, design);
    ar.Close();
    return stream.Bytes();
}

MessageBoxDesign Read(const Bytes& bytes, double* version = nullptr) {
    MemoryStream stream(bytes.data(), bytes.size());
    CArchive ar(stream, CArchive::load);
    const double v = ReadZembraVersion(ar);
    if (version)
        *version = v;
    MessageBoxDesign design;
    ReadZembraBody(ar, design);
    return design;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Bytes kVersion1 = {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F};
const Bytes kFlagSet = {0x01, 0x00, 0x00, 0x00};
const Bytes kFlagClear = {0x00, 0x00, 0x00, 0x00};
const Bytes kStyle2034 = {0x34, 0x20, 0x00, 0x00};

Bytes VersionBytes(double version) {
    Bytes bytes(8);
    std::memcpy(bytes.data(), &version, 8);
    return bytes;
}

} // namespace

TEST(ZembraFormat, EmptyDocumentIsTwentyBytesBothWays) {
    EXPECT_EQ(Write(MessageBoxDesign()), kEmptyDocument);
    double version = 0;
    const MessageBoxDesign design = Read(kEmptyDocument, &version);
    EXPECT_EQ(version, 1.0);
    EXPECT_FALSE(IsOtherVersion(version));
    EXPECT_EQ(design.GetCaption(), "");
    EXPECT_EQ(design.GetText(), "");
    EXPECT_EQ(design.GetStyle(), 0x2000u);
}

TEST(ZembraFormat, WorkedExampleIsTwentyFourBytesBothWays) {
    const Bytes expected =
        Concat({kVersion1, kFlagSet, {0x03, 'a', 'b', 'c'}, kFlagClear, kStyle2034});
    MessageBoxDesign design;
    design.SetCaption("abc");
    design.SetStyle(0x2034);
    EXPECT_EQ(Write(design), expected);
    const MessageBoxDesign read = Read(expected);
    EXPECT_EQ(read.GetCaption(), "abc");
    EXPECT_EQ(read.GetText(), "");
    EXPECT_EQ(read.GetStyle(), 0x2034u);
}

TEST(ZembraFormat, LengthFormsChangeAtTheirEdges) {
    struct Case {
        std::size_t length;
        Bytes prefix;
    } cases[] = {
        {0, {}}, // an empty text is not written at all
        {1, {0x01}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        MessageBoxDesign design;
        design.SetText(std::string(c.length, 'x'));
        const Bytes bytes = Write(design);
        Bytes expected = Concat({kVersion1, kFlagClear});
        if (c.length == 0) {
            expected = Concat({expected, kFlagClear});
        } else {
            expected = Concat({expected, kFlagSet, c.prefix, Bytes(c.length, 'x')});
        }
        expected = Concat({expected, {0x00, 0x20, 0x00, 0x00}});
        EXPECT_EQ(bytes, expected);
        EXPECT_EQ(Read(bytes).GetText(), design.GetText());
    }
}

TEST(ZembraFormat, ReaderAcceptsLongFormsForShortStrings) {
    const Bytes viaWord =
        Concat({kVersion1, kFlagSet, {0xFF, 0x02, 0x00, 'h', 'i'}, kFlagClear, kStyle2034});
    EXPECT_EQ(Read(viaWord).GetCaption(), "hi");
    const Bytes viaDword = Concat(
        {kVersion1, kFlagSet, {0xFF, 0xFF, 0xFF, 0x02, 0, 0, 0, 'h', 'i'}, kFlagClear, kStyle2034});
    EXPECT_EQ(Read(viaDword).GetCaption(), "hi");
}

TEST(ZembraFormat, WideStringsAreConverted) {
    const Bytes wide = Concat({kVersion1,
                               kFlagSet,
                               {0xFF, 0xFE, 0xFF, 0x02, 'O', 0, 'K', 0},
                               kFlagSet,
                               {0xFF, 0xFE, 0xFF, 0x00},
                               kStyle2034});
    const MessageBoxDesign design = Read(wide);
    EXPECT_EQ(design.GetCaption(), "OK");
    EXPECT_EQ(design.GetText(), "");
    EXPECT_EQ(design.GetStyle(), 0x2034u);

    const Bytes wideViaWord = Concat({kVersion1,
                                      kFlagSet,
                                      {0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 'A', 0},
                                      kFlagClear,
                                      kStyle2034});
    EXPECT_EQ(Read(wideViaWord).GetCaption(), "A");
}

TEST(ZembraFormat, AnyNonZeroFlagMeansPresent) {
    const Bytes flagTwo =
        Concat({kVersion1, {0x02, 0, 0, 0}, {0x01, 'c'}, {0, 0, 0, 0x80}, {0x01, 't'}, kStyle2034});
    const MessageBoxDesign design = Read(flagTwo);
    EXPECT_EQ(design.GetCaption(), "c");
    EXPECT_EQ(design.GetText(), "t");
}

TEST(ZembraFormat, TrailingBytesAreIgnoredAndForeignBitsKept) {
    const Bytes bytes = Concat(
        {kVersion1, kFlagClear, kFlagClear, {0x34, 0x20, 0x04, 0x00}, {0xDE, 0xAD, 0xBE, 0xEF}});
    const MessageBoxDesign design = Read(bytes);
    EXPECT_EQ(design.GetStyle(), 0x42034u);
    EXPECT_EQ(Write(design), Concat({kVersion1, kFlagClear, kFlagClear, {0x34, 0x20, 0x04, 0x00}}));
}

TEST(ZembraFormat, OtherVersionsAreReadAndRecognised) {
    double version = 0;
    const MessageBoxDesign design =
        Read(Concat({VersionBytes(1.04), kFlagClear, kFlagClear, kStyle2034}), &version);
    EXPECT_EQ(version, 1.04);
    EXPECT_TRUE(IsOtherVersion(version));
    EXPECT_EQ(design.GetStyle(), 0x2034u);
    EXPECT_TRUE(IsOtherVersion(0.0));
    EXPECT_TRUE(IsOtherVersion(-1.0));
    EXPECT_TRUE(IsOtherVersion(INFINITY));
    EXPECT_FALSE(IsOtherVersion(NAN));
}

TEST(ZembraFormat, EveryTruncationIsAnEndOfFile) {
    MessageBoxDesign design;
    design.SetCaption("caption");
    design.SetText(std::string(300, 't'));
    const Bytes whole = Write(design);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        SCOPED_TRACE(size);
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        try {
            Read(cut);
            ADD_FAILURE() << "read succeeded";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.GetCause(), CArchiveException::endOfFile);
        }
    }
}

TEST(ZembraFormat, LengthsBeyondTheFileFailWithoutAllocating) {
    const Bytes hugeNarrow =
        Concat({kVersion1, kFlagSet, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {'a', 'b'}});
    EXPECT_THROW(Read(hugeNarrow), CArchiveException);
    const Bytes hugeWide = Concat(
        {kVersion1, kFlagSet, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {'a'}});
    EXPECT_THROW(Read(hugeWide), CArchiveException);
    const Bytes oneShort = Concat({kVersion1, kFlagSet, {0x04, 'a', 'b', 'c'}});
    EXPECT_THROW(Read(oneShort), CArchiveException);
    const Bytes twoMarkers = Concat({kVersion1, kFlagSet, {0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF}});
    EXPECT_THROW(Read(twoMarkers), CArchiveException);
}
