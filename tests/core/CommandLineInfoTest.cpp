#include "framework/core/CommandLineInfo.h"

#include <gtest/gtest.h>

using Arguments = std::vector<std::string>;

TEST(CommandLineInfo, ArgumentsSplitAsTheCRuntimeSplitsThem) {
    const struct {
        const char* line;
        Arguments arguments;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {"a b\tc", {"a", "b", "c"}},
        {"\"C:\\My Files\\x.zembra\"", {"C:\\My Files\\x.zembra"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\"", {""}},
        {"a\\\\b", {"a\\\\b"}},
        {"a\\\\\"b c\"", {"a\\b c"}},
        {"a\\\"b", {"a\"b"}},
        {"\"a\"\"b\"", {"a\"b"}},
        {"\"unclosed quote", {"unclosed quote"}},
        {"x\\", {"x\\"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitArguments(c.line), c.arguments) << c.line;
}

TEST(CommandLineInfo, TheFirstArgumentThatIsNoSwitchIsTheFileToOpen) {
    const struct {
        const char* line;
        CCommandLineInfo::ShellCommand command;
        const char* file;
    } cases[] = {
        {"", CCommandLineInfo::FileNew, ""},
        {"/x -y", CCommandLineInfo::FileNew, ""},
        {"\"C:\\a b\\doc.zembra\"", CCommandLineInfo::FileOpen, "C:\\a b\\doc.zembra"},
        {"run x", CCommandLineInfo::FileOpen, "run"},
        {"/p first second", CCommandLineInfo::FileOpen, "first"},
    };
    for (const auto& c : cases) {
        CCommandLineInfo info;
        ParseCommandLine(c.line, info);
        EXPECT_EQ(info.m_nShellCommand, c.command) << c.line;
        EXPECT_EQ(info.m_strFileName, c.file) << c.line;
    }
}
