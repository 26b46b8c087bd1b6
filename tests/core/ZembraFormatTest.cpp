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
    EXPECT_EQ(design.GetCaption(), u"");
    EXPECT_EQ(design.GetText(), u"");
    EXPECT_EQ(design.GetStyle(), 0x2000u);
}

TEST(ZembraFormat, WorkedExampleIsTwentyFourBytesBothWays) {
    const Bytes expected =
        Concat({kVersion1, kFlagSet, {0x03, 'a', 'b', 'c'}, kFlagClear, kStyle2034});
    MessageBoxDesign design;
    design.SetCaption(u"abc");
    design.SetStyle(0x2034);
    EXPECT_EQ(Write(design), expected);
    const MessageBoxDesign read = Read(expected);
    EXPECT_EQ(read.GetCaption(), u"abc");
    EXPECT_EQ(read.GetText(), u"");
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
        design.SetText(std::u16string(c.length, u'x'));
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
        const MessageBoxDesign design = Read(Concat({kVersion1, c.body, kStyle2034}));
        EXPECT_EQ(design.GetCaption(), c.caption);
        EXPECT_EQ(design.GetText(), c.text);
        EXPECT_EQ(design.GetStyle(), 0x2034u);
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
    EXPECT_TRUE(IsOtherVersion(0.0));
    EXPECT_TRUE(IsOtherVersion(-1.0));
    EXPECT_TRUE(IsOtherVersion(INFINITY));
    EXPECT_FALSE(IsOtherVersion(NAN));
}

TEST(ZembraFormat, EveryTruncationIsAnEndOfFile) {
    MessageBoxDesign design;
    design.SetCaption(u"caption");
    design.SetText(std::u16string(300, u't'));
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
        {u"\u518d\u8d77\u52d5 \u2713", Concat({kWideMarker, {0x05}, Units(u"再起動 ✓")})},
        // One character the code page lacks takes the whole string wide.
        {u"Caf\u00e9 \u2713", Concat({kWideMarker, {0x06}, Units(u"Café ✓")})},
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
        EXPECT_EQ(bytes, Concat({kVersion1, kFlagSet, c.record, kFlagClear, {0x00, 0x20, 0, 0}}));
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
         Concat({kFlagSet,
                 kWideMarker,
                 {0x05},
                 Units(u"再起動 ✓"),
                 kFlagSet,
                 kWideMarker,
                 {0x0D},
                 Units(greek)})},
        {u"Backup", greek,
         Concat({kFlagSet,
                 {0x06, 'B', 'a', 'c', 'k', 'u', 'p'},
                 kFlagSet,
                 kWideMarker,
                 {0x0D},
                 Units(greek)})},
        {u"✓", u"Done",
         Concat({kFlagSet, kWideMarker, {0x01, 0x13, 0x27}, kFlagSet, {0x04, 'D', 'o', 'n', 'e'}})},
    };
    for (const auto& c : cases) {
        const MessageBoxDesign design(c.caption, c.text, 0x2034);
        const Bytes bytes = Write(design);
        EXPECT_EQ(bytes, Concat({kVersion1, c.body, kStyle2034}));
        const MessageBoxDesign read = Read(bytes);
        EXPECT_EQ(read.GetCaption(), c.caption);
        EXPECT_EQ(read.GetText(), c.text);
        EXPECT_EQ(read.GetStyle(), 0x2034u);
        EXPECT_EQ(Write(read), bytes);
    }
}

// Lengths beyond the file fail without allocating, at the record that gives them.
TEST(ZembraFormat, HostileLengthsEndTheReadAtTheirRecord) {
    const struct {
        Bytes record;
        std::uint64_t offset;
    } cases[] = {
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a', 'b'}, 12},
        {Concat({kWideMarker, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, {'a'}}), 12},
        {{0x04, 'a', 'b', 'c'}, 12},
        // One unit is two bytes: a length of two units over three bytes reaches beyond the end.
        {Concat({kWideMarker, {0x02, 'a', 0, 'b'}}), 12},
        {Concat({kWideMarker, {0xFF, 0x00, 0x80}, Bytes(100, 'x')}), 12},
        {Concat({kWideMarker, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, Bytes(16, 'x')}), 12},
        {Concat({kWideMarker, {0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80}, Bytes(16, 'x')}), 12},
    };
    const Bytes twoMarkers = Concat({kVersion1, kFlagSet, kWideMarker, kWideMarker});
    EXPECT_THROW(Read(twoMarkers), CArchiveException);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.record));
        try {
            Read(Concat({kVersion1, kFlagSet, c.record}));
            ADD_FAILURE() << "read succeeded";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.GetCause(), CArchiveException::endOfFile);
            EXPECT_EQ(e.GetRecordOffset(), c.offset);
        }
    }
}
