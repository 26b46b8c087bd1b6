#include "app/core/CommandLine.h"
#include "framework/core/EntryCommandLine.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Command lines and what a step makes of each.
using Cases = std::initializer_list<std::pair<const char*, const char*>>;

template <typename Step> void ExpectEach(Step step, Cases cases) {
    for (const auto& [commandLine, expected] : cases)
        EXPECT_EQ(step(commandLine), expected) << "of [" << commandLine << "]";
}

} // namespace

TEST(CommandLine, RunIsRecognisedByItsFirstThreeCharactersExactly) {
    for (const char* run : {"RUN", "RUN \"a.zembra\"", "RUNX"})
        EXPECT_TRUE(IsRunCommand(run)) << run;
    for (const char* other : {"run \"a.zembra\"", "RU", "", "\"RUN\""})
        EXPECT_FALSE(IsRunCommand(other)) << other;
}

TEST(CommandLine, CleanParametersStripsTheWordAndOnePairOfQuotes) {
    ExpectEach(CleanParameters, {{"RUN \"D:\\My Files\\ask.zembra\"", "D:\\My Files\\ask.zembra"},
                                 {"RUN", ""},
                                 {"RUN ", ""},
                                 {"RUN    \"a b.zembra\"", "a b.zembra"},
                                 {"RUN D:\\My Files\\ask.zembra", "D:\\My Files\\ask.zembra"},
                                 {"RUNXa.zembra", "a.zembra"},
                                 {"RUN \"\"", ""},
                                 {"RUN \"", ""}});
}

TEST(CommandLine, CleanParametersKeepsEverythingElse) {
    ExpectEach(CleanParameters, {{"RUN \"a.zembra\" ", "a.zembra\" "},
                                 {"RUN \ta.zembra", "\ta.zembra"},
                                 {"RUN \"a.zembra\" x\"", "a.zembra\" x"},
                                 {"RUN a\"b", "a\"b"}});
}

TEST(EntryCommandLine, ProgramNameEndsAtItsClosingQuoteOrFirstBlank) {
    ExpectEach(SkipProgramName,
               {{"\"C:\\Program Files\\Zembra\\Zembra.exe\" RUN \"x y\"", "RUN \"x y\""},
                {"Zembra.exe RUN x", "RUN x"},
                {"Zembra.exe\t \x01RUN", "RUN"},
                {"\"Zem bra\"RUN", "RUN"},
                {"Zembra.exe", ""},
                {"\"unterminated RUN", ""},
                {"Zembra.exe RUN x  ", "RUN x  "},
                {"", ""}});
    EXPECT_EQ(SkipProgramName(nullptr), "");
}
