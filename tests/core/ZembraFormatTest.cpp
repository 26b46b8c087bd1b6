#include "app/core/ZembraFormat.h"
#include "framework/core/Archive.h"
#include "framework/core/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <optional>
#include <tuple>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

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

// The caption, the text and the style word: what a design is made of.
std::tuple<std::u16string, std::u16string, std::uint32_t> Fields(const MessageBoxDesign& design) {
    return {design.GetCaption(), design.GetText(), design.GetStyle()};
}

// Reading the bytes fails at the end of the file, at the record of the offset where one is given.
void ExpectEndOfFile(const Bytes& bytes, std::optional<std::uint64_t> offset = std::nullopt) {
    try {
        Read(bytes);
        ADD_FAILURE() << "read succeeded";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.GetCause(), CArchiveException::endOfFile);
        if (offset) {
            EXPECT_EQ(e.GetRecordOffset(), *offset);
        }
    }
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
const Bytes kStyle2000 = {0x00, 0x20, 0x00, 0x00};
const Bytes kStyle2034 = {0x34, 0x20, 0x00, 0x00};
const Bytes kEmptyDocument = Concat({kVersion1, kFlagClear, kFlagClear, kStyle2000});

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
    EXPECT_EQ(Fields(design), Fields({u"", u"", 0x2000}));
}

TEST(ZembraFormat, WorkedExampleIsTwentyFourBytesBothWays) {
    const Bytes expected =
        Concat({kVersion1, kFlagSet, {0x03, 'a', 'b', 'c'}, kFlagClear, kStyle2034});
    MessageBoxDesign design;
    design.SetCaption(u"abc");
    design.SetStyle(0x2034);
    EXPECT_EQ(Write(design), expected);
    EXPECT_EQ(Fields(Read(expected)), Fields({u"abc", u"", 0x2034}));
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
        design.SetText(std::u16string(c.length, u'x'));
        const Bytes bytes = Write(design);
        const Bytes text =
            c.length == 0 ? kFlagClear : Concat({kFlagSet, c.prefix, Bytes(c.length, 'x')});
        EXPECT_EQ(bytes, Concat({kVersion1, kFlagClear, text, kStyle2000}));
        EXPECT_EQ(Read(bytes).GetText(), design.GetText());
    }
}

// Long length forms for short strings, wide records (an empty one too) and any flag that is not
// zero: the writer uses none of them, the reader takes them all.
TEST(ZembraFormat, ReaderTakesEveryFormARecordMayHave) {
    const struct {
        Bytes body; // the caption's and the text's records
        std::u16string caption, text;
    } cases[] = {
        {Concat({kFlagSet, {0xFF, 0x02, 0x00, 'h', 'i'}, kFlagClear}), u"hi", u""},
        {Concat({kFlagSet, {0xFF, 0xFF, 0xFF, 0x02, 0, 0, 0, 'h', 'i'}, kFlagClear}), u"hi", u""},
        {Concat({kFlagSet,
                 {0xFF, 0xFE, 0xFF, 0x02, 'O', 0, 'K', 0},
                 kFlagSet,
                 {0xFF, 0xFE, 0xFF, 0x00}}),
         u"OK", u""},
        {Concat({kFlagSet, {0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 'A', 0}, kFlagClear}), u"A", u""},
        {Concat({{0x02, 0, 0, 0}, {0x01, 'c'}, {0, 0, 0, 0x80}, {0x01, 't'}}), u"c", u"t"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.body));
        EXPECT_EQ(Fields(Read(Concat({kVersion1, c.body, kStyle2034}))),
                  Fields({c.caption, c.text, 0x2034}));
    }
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
    for (const double other : {0.0, -1.0, double(INFINITY)})
        EXPECT_TRUE(IsOtherVersion(other)) << other;
    EXPECT_FALSE(IsOtherVersion(NAN));
}

TEST(ZembraFormat, EveryTruncationIsAnEndOfFile) {
    MessageBoxDesign design;
    design.SetCaption(u"caption");
    design.SetText(std::u16string(300, u't'));
    const Bytes whole = Write(design);
    for (std::size_t size = 0; size < whole.size(); ++size) {
        SCOPED_TRACE(size);
        ExpectEndOfFile(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)));
    }
}

namespace {

Bytes Units(const std::u16string& text) {
    Bytes bytes;
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<unsigned char>(unit));
        bytes.push_back(static_cast<unsigned char>(unit >> 8));
    }
    return bytes;
}

const Bytes kWideMarker = {0xFF, 0xFE, 0xFF};

// A wide record of the short length form.
Bytes Wide(unsigned char length, const std::u16string& text) {
    return Concat({kWideMarker, {length}, Units(text)});
}

} // namespace

// The ANSI code page is Windows-1252 natively and in the test prefix.
TEST(ZembraFormat, EachStringTakesTheNarrowRecordOnlyWhenTheCodePageHoldsIt) {
    const struct {
        std::u16string text;
        Bytes record;
    } cases[] = {
        {u"abc", {0x03, 'a', 'b', 'c'}},
        {u"Gr\u00fc\u00dfe", {0x05, 'G', 'r', 0xFC, 0xDF, 'e'}},
        {u"\u20ac 5", {0x03, 0x80, ' ', '5'}},
        // A byte the code page leaves free reads as the control character of its number.
        {u"\u0081", {0x01, 0x81}},
        {u"\u03a9", Concat({kWideMarker, {0x01, 0xA9, 0x03}})},
        {u"\u518d\u8d77\u52d5 \u2713", Wide(0x05, u"再起動 ✓")},
        // One character the code page lacks takes the whole string wide.
        {u"Caf\u00e9 \u2713", Wide(0x06, u"Café ✓")},
        // A best fit would turn these into "A" and "a"; they are not held.
        {u"\u0100", Concat({kWideMarker, {0x01, 0x00, 0x01}})},
        {u"\uff41", Concat({kWideMarker, {0x01, 0x41, 0xFF}})},
        {u"\U0001F600", Concat({kWideMarker, {0x02, 0x3D, 0xD8, 0x00, 0xDE}})},
        // Half of a pair is kept as it is.
        {u"a\xD800", Concat({kWideMarker, {0x02, 'a', 0x00, 0x00, 0xD8}})},
        {std::u16string(255, u'\u03c9'),
         Concat({kWideMarker, {0xFF, 0xFF, 0x00}, Units(std::u16string(255, u'\u03c9'))})},
        {std::u16string(65534, u'\u03c9'), Concat({kWideMarker,
                                                   {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00},
                                                   Units(std::u16string(65534, u'\u03c9'))})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(Units(c.text.substr(0, 8))));
        MessageBoxDesign design;
        design.SetCaption(c.text);
        const Bytes bytes = Write(design);
        EXPECT_EQ(bytes, Concat({kVersion1, kFlagSet, c.record, kFlagClear, kStyle2000}));
        EXPECT_EQ(Read(bytes).GetCaption(), c.text);
    }
}

TEST(ZembraFormat, MixedDocumentsRoundTripStringByString) {
    const std::u16string greek =
        u"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac\r\n\u03bd\u03b1\u03b9";
    const struct {
        std::u16string caption;
        std::u16string text;
        Bytes body;
    } cases[] = {
        {u"Grüße", u"", Concat({kFlagSet, {0x05, 'G', 'r', 0xFC, 0xDF, 'e'}, kFlagClear})},
        {u"再起動 ✓", greek,
         Concat({kFlagSet, Wide(0x05, u"再起動 ✓"), kFlagSet, Wide(0x0D, greek)})},
        {u"Backup", greek,
         Concat({kFlagSet, {0x06, 'B', 'a', 'c', 'k', 'u', 'p'}, kFlagSet, Wide(0x0D, greek)})},
        {u"✓", u"Done", Concat({kFlagSet, Wide(0x01, u"✓"), kFlagSet, {0x04, 'D', 'o', 'n', 'e'}})},
    };
    for (const auto& c : cases) {
        const MessageBoxDesign design(c.caption, c.text, 0x2034);
        const Bytes bytes = Write(design);
        EXPECT_EQ(bytes, Concat({kVersion1, c.body, kStyle2034}));
        const MessageBoxDesign read = Read(bytes);
        EXPECT_EQ(Fields(read), Fields(design));
        EXPECT_EQ(Write(read), bytes);
    }
}

// Lengths beyond the file fail without allocating, at the record that gives them: the caption's,
// at byte 12.
TEST(ZembraFormat, HostileLengthsEndTheReadAtTheirRecord) {
    const Bytes records[] = {
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b'},
        Concat({kWideMarker, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {'a'}}),
        {0x04, 'a', 'b', 'c'},
        // One unit is two bytes: a length of two units over three bytes reaches beyond the end.
        Concat({kWideMarker, {0x02, 'a', 0, 'b'}}),
        Concat({kWideMarker, {0xFF, 0x00, 0x80}, Bytes(100, 'x')}),
        Concat({kWideMarker, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, Bytes(16, 'x')}),
        Concat({kWideMarker, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80}, Bytes(16, 'x')}),
    };
    const Bytes twoMarkers = Concat({kVersion1, kFlagSet, kWideMarker, kWideMarker});
    EXPECT_THROW(Read(twoMarkers), CArchiveException);
    for (const Bytes& record : records) {
        SCOPED_TRACE(testing::PrintToString(record));
        ExpectEndOfFile(Concat({kVersion1, kFlagSet, record}), 12);
    }
}
