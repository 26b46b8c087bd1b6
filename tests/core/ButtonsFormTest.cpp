#include "app/core/ButtonsForm.h"

#include <gtest/gtest.h>

TEST(ButtonsForm, WordsForAllOrNoneAndACountdownInRange) {
    const BoxExtras kept = {{u"old", u"words"}, Countdown{5, 6}, {{40, {1, 2}}}};
    const std::string missing = "Every button needs its own word, or none does.\nMissing: ";
    struct Case {
        const char* name;
        ButtonsForm form;
        bool sound;
        std::vector<std::u16string> words;
        std::optional<Countdown> countdown;
        std::string problem = "";
        int fieldInError = -1;
    } cases[] = {
        {"no words, no countdown", {4, {u"", u""}, false, ""}, true, {}, std::nullopt},
        {"all words", {4, {u"Go", u"Stay"}, false, ""}, true, {u"Go", u"Stay"}, std::nullopt},
        {"one missing",
         {3, {u"Go", u"", u"Quit"}, false, ""},
         false,
         {},
         std::nullopt,
         missing + "Button 2 (No).",
         1},
        {"two missing",
         {2, {u"", u"", u"Skip"}, false, ""},
         false,
         {},
         std::nullopt,
         missing + "Button 1 (Abort), Button 2 (Retry).",
         0},
        {"countdown", {4, {u"", u""}, true, "300", 7}, true, {}, Countdown{300, 7}},
        {"a day", {0, {u""}, true, "86400", 1}, true, {}, Countdown{86400, 1}},
        {"an answer the set lacks times out",
         {1, {u"", u""}, true, "9", 6},
         true,
         {},
         Countdown{9, 32000}},
        {"seconds ignored unless ticked", {0, {u""}, false, "x", 1}, true, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ButtonsFormRead read = ReadButtonsForm(c.form, kept);
        EXPECT_EQ(read.sound, c.sound);
        EXPECT_EQ(read.problem, c.problem);
        EXPECT_EQ(read.fieldInError, c.fieldInError);
        if (c.sound) {
            EXPECT_EQ(read.extras.buttonTexts, c.words);
            EXPECT_EQ(read.extras.countdown, c.countdown);
            EXPECT_EQ(read.extras.keptFields, kept.keptFields);
        }
    }
    for (const char* seconds : {"", "0", "86401", "99999999999", "1.5", "-3"}) {
        SCOPED_TRACE(seconds);
        const ButtonsFormRead read = ReadButtonsForm({0, {u""}, true, seconds, 1}, kept);
        EXPECT_FALSE(read.sound);
        EXPECT_EQ(read.problem, "Close after takes a whole number of seconds from 1 to 86400.");
        EXPECT_EQ(read.fieldInError, -2);
    }
}

TEST(ButtonsForm, OpensWithTheDesignsExtras) {
    const ButtonsForm form = FormOf(3, {{u"A", u"B", u"C"}, Countdown{60, 2}, {}});
    EXPECT_EQ(form.words, (std::vector<std::u16string>{u"A", u"B", u"C"}));
    EXPECT_TRUE(form.closeAfter);
    EXPECT_EQ(form.seconds, "60");
    EXPECT_EQ(form.answer, 2u);
    const ButtonsForm empty = FormOf(2, {});
    EXPECT_EQ(empty.words.size(), 3u);
    EXPECT_FALSE(empty.closeAfter);
    EXPECT_EQ(empty.answer, 32000u);
}
