#include "app/core/BoxBlock.h"
#include "app/core/ZembraFormat.h"
#include "framework/core/Archive.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Le32(std::uint32_t v) {
    return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
            static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
}

// Version 1.0, no caption, no text: what every document here begins with.
const Bytes kHead = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0, 0, 0, 0, 0, 0, 0, 0};
const Bytes kYesNo = {0x04, 0x20, 0x00, 0x00}; // Yes, No; normal priority
const Bytes kMagic = {'Z', 'B', 'O', 'X'};

// A block header of version 1 over fields.
Bytes Block(const Bytes& fields) {
    return Concat({kMagic, {0x01, 0x00}, Le32(static_cast<std::uint32_t>(fields.size())), fields});
}

Bytes Field(std::uint16_t tag, const Bytes& data) {
    return Concat({{static_cast<unsigned char>(tag), static_cast<unsigned char>(tag >> 8)},
                   Le32(static_cast<std::uint32_t>(data.size())),
                   data});
}

// "Go" and "Stay" as the button words field holds them.
const Bytes kGoStay =
    Concat({Le32(2), Le32(2), {'G', 0, 'o', 0}, Le32(4), {'S', 0, 't', 0, 'a', 0, 'y', 0}});

Bytes Write(const MessageBoxDesign& design) {
    return ZembraBytes(design);
}

struct ReadResult {
    MessageBoxDesign design;
    BoxBlockRead block;
};

ReadResult Read(const Bytes& bytes) {
    MemoryStream stream(bytes.data(), bytes.size());
    CArchive ar(stream, CArchive::load);
    ReadResult result;
    ReadZembraVersion(ar);
    result.block = ReadZembraBody(ar, result.design);
    return result;
}

MessageBoxDesign YesNo(BoxExtras extras) {
    MessageBoxDesign design;
    design.SetButton(4);
    design.SetExtras(extras);
    return design;
}

} // namespace

TEST(BoxBlock, EachFieldHasItsBytes) {
    struct Case {
        const char* name;
        BoxExtras extras;
        Bytes block;
    } cases[] = {
        {"words", {{u"Go", u"Stay"}, std::nullopt, {}}, Block(Field(1, kGoStay))},
        {"countdown answering No",
         {{}, Countdown{300, 7}, {}},
         Block(Field(2, Concat({Le32(300), Le32(7)})))},
        {"countdown timing out",
         {{}, Countdown{86400, 32000}, {}},
         Block(Field(2, {0x80, 0x51, 0x01, 0x00, 0x00, 0x7D, 0x00, 0x00}))},
        {"both, then a kept field",
         {{u"Go", u"Stay"}, Countdown{3, 6}, {{0x1234, {9, 8, 7}}}},
         Block(Concat(
             {Field(1, kGoStay), Field(2, Concat({Le32(3), Le32(6)})), Field(0x1234, {9, 8, 7})}))},
        {"a word beyond Latin-1",
         {{u"\u518d", u"\u2713"}, std::nullopt, {}},
         Block(Field(1, Concat({Le32(2), Le32(1), {0x8D, 0x51}, Le32(1), {0x13, 0x27}})))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes bytes = Write(YesNo(c.extras));
        EXPECT_EQ(bytes, Concat({kHead, kYesNo, c.block}));
        const ReadResult read = Read(bytes);
        EXPECT_EQ(read.block.outcome, BoxBlockRead::Read);
        EXPECT_EQ(read.design.GetExtras(), c.extras);
        EXPECT_EQ(Write(read.design), bytes); // what a later writer added is written back
    }
}

TEST(BoxBlock, ADesignWithoutExtrasIsStoredAsBefore) {
    EXPECT_EQ(Write(YesNo({})), Concat({kHead, kYesNo}));
    const ReadResult read = Read(Concat({kHead, kYesNo}));
    EXPECT_EQ(read.block.outcome, BoxBlockRead::NoBlock);
    EXPECT_TRUE(read.design.GetExtras().Empty());
}

TEST(BoxBlock, AReaderThatStopsAtTheStyleWordSeesTheSameDesign) {
    MessageBoxDesign design;
    design.SetCaption(u"Restart");
    design.SetText(u"Now?");
    design.SetButton(4);
    design.SetIcon(0x20);
    design.SetExtras({{u"Restart now", u"Later"}, Countdown{299, 6}, {}});
    const Bytes bytes = Write(design);
    // The 1.0 reading: version, two flagged strings, the style word; the rest is not looked at.
    MemoryStream stream(bytes.data(), bytes.size());
    CArchive ar(stream, CArchive::load);
    EXPECT_EQ(ar.ReadDouble(), 1.0);
    ASSERT_NE(ar.ReadUInt32(), 0u);
    EXPECT_EQ(ar.ReadString(), u"Restart");
    ASSERT_NE(ar.ReadUInt32(), 0u);
    EXPECT_EQ(ar.ReadString(), u"Now?");
    EXPECT_EQ(ar.ReadUInt32(), 0x2024u);
    EXPECT_GT(ar.GetRemaining(), 0u);
}

TEST(BoxBlock, UnknownFieldsAreSkippedAndTrailingBytesIgnored) {
    const Bytes bytes =
        Concat({kHead,
                kYesNo,
                Block(Concat({Field(77, {1, 2, 3, 4, 5}), Field(2, Concat({Le32(5), Le32(32000)})),
                              Field(0xFFFF, {})})),
                {0xDE, 0xAD}});
    const ReadResult read = Read(bytes);
    EXPECT_EQ(read.block.outcome, BoxBlockRead::Read);
    EXPECT_EQ(read.design.GetExtras().countdown, (Countdown{5, 32000}));
    ASSERT_EQ(read.design.GetExtras().keptFields.size(), 2u);
    EXPECT_EQ(read.design.GetExtras().keptFields[0].tag, 77);
    // Bytes after the style word that begin no block are ignored as before.
    EXPECT_EQ(Read(Concat({kHead, kYesNo, {'Z', 'I', 'P'}})).block.outcome, BoxBlockRead::NoBlock);
}

TEST(BoxBlock, CutAndHostileBlocksAreIgnoredWithTheirReason) {
    struct Case {
        const char* name;
        Bytes block;
        const char* problem; // after "the box block at byte 20 "
    } cases[] = {
        {"cut in the magic", {'Z', 'B'}, "is cut short at byte 22"},
        {"cut in the header", {'Z', 'B', 'O', 'X', 1, 0, 9}, "is cut short at byte 27"},
        {"fields beyond the file", Concat({kMagic, {1, 0}, Le32(0xFFFFFFF0), {1, 2}}),
         "is cut short at byte 32"},
        {"unknown version", Concat({kMagic, {2, 0}, Le32(0)}),
         "has version 2, which is not known here"},
        {"field beyond the block", Block(Concat({{1, 0}, Le32(0xFFFFFFFF), {0}})),
         "is malformed: its field at byte 30 reaches beyond the block"},
        {"word beyond its field", Block(Field(1, Concat({Le32(2), Le32(0x7FFFFFFF), {'G', 0}}))),
         "is malformed: its button word 1 reaches beyond its field"},
        {"words for another set", Block(Field(1, Concat({Le32(1), Le32(1), {'G', 0}}))),
         "is malformed: it has 1 button words for a set of 2 buttons"},
        {"empty word", Block(Field(1, Concat({Le32(2), Le32(1), {'G', 0}, Le32(0)}))),
         "is malformed: its button word 2 is empty"},
        {"stray bytes", Block(Field(1, Concat({kGoStay, {0}}))),
         "is malformed: its button words are followed by 1 stray bytes"},
        {"no seconds", Block(Field(2, Concat({Le32(0), Le32(6)}))),
         "is malformed: its countdown of 0 seconds is not from 1 to 86400"},
        {"a day and a second", Block(Field(2, Concat({Le32(86401), Le32(6)}))),
         "is malformed: its countdown of 86401 seconds is not from 1 to 86400"},
        {"answer not in the set", Block(Field(2, Concat({Le32(5), Le32(2)}))),
         "is malformed: its countdown answers 2, which is no button of the set"},
        {"short countdown", Block(Field(2, Le32(5))),
         "is malformed: its countdown is not 8 bytes long"},
        {"twice", Block(Concat({Field(1, kGoStay), Field(1, kGoStay)})),
         "is malformed: its field 1 at byte 60 is there twice"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReadResult read = Read(Concat({kHead, kYesNo, c.block}));
        EXPECT_EQ(read.block.outcome, BoxBlockRead::Ignored);
        EXPECT_EQ(read.block.problem, std::string("the box block at byte 20 ") + c.problem);
        EXPECT_TRUE(read.design.GetExtras().Empty()); // the standard box
        EXPECT_EQ(read.design.GetStyle(), 0x2004u);
    }
}

TEST(BoxBlock, ASetChangeKeepsWordsByPositionAndAnswersItHas) {
    struct Case {
        std::uint32_t from, to;
        bool wordsKept;
        std::uint32_t answerBefore, answerAfter;
    } cases[] = {
        {4, 1, true, 6, kTimedOut}, // Yes, No to OK, Cancel: two buttons each; Yes is gone
        {4, 1, true, kTimedOut, kTimedOut},
        {3, 2, true, 2, kTimedOut}, // Yes, No, Cancel to Abort, Retry, Ignore
        {3, 5, false, 2, 2},        // to Retry, Cancel: Cancel stays
        {1, 0, false, 1, 1},        // to OK: OK stays
        {5, 3, false, 4, kTimedOut},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to));
        MessageBoxDesign design;
        design.SetButton(c.from);
        BoxExtras extras;
        for (std::size_t i = 0; i < ButtonsOfSet(c.from).size(); ++i)
            extras.buttonTexts.push_back(u"w" + std::u16string(1, char16_t(u'0' + i)));
        extras.countdown = Countdown{10, c.answerBefore};
        design.SetExtras(extras);
        const std::vector<std::u16string> words = extras.buttonTexts;
        EXPECT_TRUE(design.SetButton(c.to));
        EXPECT_EQ(design.GetExtras().buttonTexts,
                  c.wordsKept ? words : std::vector<std::u16string>());
        EXPECT_EQ(design.GetExtras().countdown, (Countdown{10, c.answerAfter}));
    }
}
