#include "framework/core/DialogLayout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// A dialog template laid down field by field, as the resource compiler writes one.
class TemplateBytes {
public:
    TemplateBytes& Word(std::uint16_t value) {
        m_bytes.push_back(static_cast<unsigned char>(value));
        m_bytes.push_back(static_cast<unsigned char>(value >> 8));
        return *this;
    }
    TemplateBytes& Dword(std::uint32_t value) {
        return Word(static_cast<std::uint16_t>(value))
            .Word(static_cast<std::uint16_t>(value >> 16));
    }
    TemplateBytes& Rect(int x, int y, int cx, int cy) {
        return Word(static_cast<std::uint16_t>(x))
            .Word(static_cast<std::uint16_t>(y))
            .Word(static_cast<std::uint16_t>(cx))
            .Word(static_cast<std::uint16_t>(cy));
    }
    TemplateBytes& Text(const std::u16string& text) {
        for (char16_t unit : text)
            Word(unit);
        return Word(0);
    }
    TemplateBytes& AlignToDword() {
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back(0);
        return *this;
    }
    const std::vector<unsigned char>& Bytes() const { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
};

constexpr std::uint32_t kChildWithFont = 0x40000000 | 0x40; // WS_CHILD | DS_SETFONT

// A form of 211 x 204 units in "MS Sans Serif" 8 with two controls: an unnamed static (its class
// given by number) with its text, and an edit with id 1000 (its class given by name, its text by
// number) carrying two bytes of creation data.
std::vector<unsigned char> ClassicForm() {
    TemplateBytes t;
    t.Dword(kChildWithFont).Dword(0).Word(2).Rect(0, 0, 211, 204);
    t.Word(0).Word(0).Text(u"").Word(8).Text(u"MS Sans Serif");
    t.AlignToDword().Dword(0x50000000).Dword(0).Rect(11, 23, 27, 8).Word(0xFFFF);
    t.Word(0xFFFF).Word(0x0082).Text(u"Caption:").Word(0);
    t.AlignToDword().Dword(0x50810080).Dword(0x200).Rect(40, 20, 155, 12).Word(1000);
    t.Text(u"Edit").Word(0xFFFF).Word(7).Word(2).Word(0xABCD);
    return t.Bytes();
}

std::vector<unsigned char> ExtendedForm() {
    TemplateBytes t;
    t.Word(1).Word(0xFFFF).Dword(0).Dword(0).Dword(kChildWithFont).Word(2).Rect(0, 0, 211, 204);
    t.Text(u"Menu").Word(0xFFFF).Word(0x8002).Text(u"Title");
    t.Word(8).Word(400).Word(0x0100).Text(u"MS Sans Serif");
    t.AlignToDword().Dword(0).Dword(0).Dword(0x50000000).Rect(11, 23, 27, 8).Dword(0xFFFFFFFF);
    t.Word(0xFFFF).Word(0x0082).Text(u"Caption:").Word(0);
    t.AlignToDword().Dword(0).Dword(0x200).Dword(0x50810080).Rect(40, 20, 155, 12).Dword(1000);
    t.Text(u"Edit").Text(u"").Word(2).Word(0xABCD);
    return t.Bytes();
}

} // namespace

TEST(DialogLayout, BothTemplateFormsGiveTheSizeTheFontAndEachControlsPlace) {
    for (const auto& bytes : {ClassicForm(), ExtendedForm()}) {
        const auto layout = ReadDialogLayout(bytes.data(), bytes.size());
        ASSERT_TRUE(layout);
        EXPECT_EQ(layout->units.cx, 211);
        EXPECT_EQ(layout->units.cy, 204);
        EXPECT_EQ(layout->fontFace, u"MS Sans Serif");
        EXPECT_EQ(layout->fontPoints, 8);
        ASSERT_EQ(layout->items.size(), 2u);
        EXPECT_EQ(layout->items[0].id & 0xFFFF, 0xFFFFu);
        EXPECT_EQ(layout->items[0].units.x, 11);
        EXPECT_EQ(layout->items[0].units.cy, 8);
        EXPECT_EQ(layout->items[1].id, 1000u);
        EXPECT_EQ(layout->items[1].units.x, 40);
        EXPECT_EQ(layout->items[1].units.y, 20);
        EXPECT_EQ(layout->items[1].units.cx, 155);
        EXPECT_EQ(layout->items[1].units.cy, 12);
    }
}

TEST(DialogLayout, ATemplateCutShortAnywhereGivesNothing) {
    for (const auto& bytes : {ClassicForm(), ExtendedForm()}) {
        for (std::size_t size = 0; size < bytes.size(); ++size)
            EXPECT_FALSE(ReadDialogLayout(bytes.data(), size)) << size;
    }
}
