#include "app/core/CommandLine.h"
#include "framework/core/EntryCommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, RunIsRecognisedByItsFirstThreeCharactersExactly) {
    EXPECT_TRUE(IsRunCommand("RUN"));
    EXPECT_TRUE(IsRunCommand("RUN \"a.zembra\""));
    EXPECT_TRUE(IsRunCommand("RUNX"));
    EXPECT_FALSE(IsRunCommand("run \"a.zembra\""));
    EXPECT_FALSE(IsRunCommand("RU"));
    EXPECT_FALSE(IsRunCommand(""));
    EXPECT_FALSE(IsRunCommand("\"RUN\""));
}

TEST(CommandLine, CleanParametersStripsTheWordAndOnePairOfQuotes) {
    EXPECT_EQ(CleanParameters("RUN \"D:\\My Files\\ask.zembra\""), "D:\\My Files\\ask.zembra");
    EXPECT_EQ(CleanParameters("RUN"), "");
    EXPECT_EQ(CleanParameters("RUN "), "");
    EXPECT_EQ(CleanParameters("RUN    \"a b.zembra\""), "a b.zembra");
    EXPECT_EQ(CleanParameters("RUN D:\\My Files\\ask.zembra"), "D:\\My Files\\ask.zembra");
    EXPECT_EQ(CleanParameters("RUNXa.zembra"), "a.zembra");
    EXPECT_EQ(CleanParameters("RUN \"\""), "");
    EXPECT_EQ(CleanParameters("RUN \""), "");
}

TEST(CommandLine, CleanParametersKeepsEverythingElse) {
    EXPECT_EQ(CleanParameters("RUN \"a.zembra\" "), "a.zembra\" ");
    EXPECT_EQ(CleanParameters("RUN \ta.zembra"), "\ta.zembra");
    EXPECT_EQ(CleanParameters("RUN \"a.zembra\" x\""), "a.zembra\" x");
    EXPECT_EQ(CleanParameters("RUN a\"b"), "a\"b");
}

TEST(EntryCommandLine, ProgramNameEndsAtItsClosingQuoteOrFirstBlank) {
    EXPECT_EQ(SkipProgramName("\"C:\\Program Files\\Zembra\\Zembra.exe\" RUN \"x y\""),
              "RUN \"x y\"");
    EXPECT_EQ(SkipProgramName("Zembra.exe RUN x"), "RUN x");
    EXPECT_EQ(SkipProgramName("Zembra.exe\t \x01RUN"), "RUN");
    EXPECT_EQ(SkipProgramName("\"Zem bra\"RUN"), "RUN");
    EXPECT_EQ(SkipProgramName("Zembra.exe"), "");
    EXPECT_EQ(SkipProgramName("\"unterminated RUN"), "");
    EXPECT_EQ(SkipProgramName("Zembra.exe RUN x  "), "RUN x  ");
    EXPECT_EQ(SkipProgramName(""), "");
    EXPECT_EQ(SkipProgramName(nullptr), "");
}
