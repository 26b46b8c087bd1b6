#include "uninstaller/core/SelfRemovalScript.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace uninstaller;

const std::string kProgram = "C:\\Program Files\\Zembra 1\\Uninstall.exe";
const std::string kFolder = "C:\\Program Files\\Zembra 1\\";
const std::string kScript = "C:\\users\\me\\Temp\\TMP4a2f.bat";

TEST(SelfRemovalScript, IsTheFiveLinesByteForByte) {
    EXPECT_EQ(SelfRemovalScriptFile(kProgram, kFolder, kScript),
              ":Repeat\r\n"
              "del \"C:\\Program Files\\Zembra 1\\Uninstall.exe\"\r\n"
              "if exist \"C:\\Program Files\\Zembra 1\\Uninstall.exe\" goto Repeat\r\n"
              "rmdir \"C:\\Program Files\\Zembra 1\\\"\r\n"
              "del \"C:\\users\\me\\Temp\\TMP4a2f.bat\"");
}

TEST(SelfRemovalScript, IsWrittenInThreePiecesWithBareLineFeeds) {
    const std::array<std::string, 3> pieces = SelfRemovalScriptPieces(kProgram, kFolder, kScript);
    EXPECT_EQ(pieces[0], ":Repeat\ndel \"" + kProgram + "\"\nif exist ");
    EXPECT_EQ(pieces[1], "\"" + kProgram + "\" goto Repeat\nrmdir \"" + kFolder + "\"");
    EXPECT_EQ(pieces[2], "\ndel \"" + kScript + "\"");
}

TEST(SelfRemovalScript, KeepsEveryPathExactlyAsGiven) {
    // Odd but legal characters must reach the script untouched, never re-quoted or escaped.
    const std::string program = "D:\\a&b (x)\\%PATH%\\Uninstall.exe";
    const std::string folder = "D:\\a&b (x)\\%PATH%\\";
    const std::string script = "E:\\t\\TMP1.bat";
    const std::string text = SelfRemovalScriptFile(program, folder, script);
    EXPECT_NE(text.find("del \"" + program + "\"\r\n"), std::string::npos);
    EXPECT_NE(text.find("rmdir \"" + folder + "\"\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - script.size() - 6), "del \"" + script + "\"");
}

TEST(SelfRemovalScript, HasNoLineEndAfterItsLastLineAndNoBareLineFeed) {
    const std::string text = SelfRemovalScriptFile(kProgram, kFolder, kScript);
    EXPECT_NE(text.back(), '\n');
    std::size_t lineEnds = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n')
            continue;
        ++lineEnds;
        ASSERT_GT(i, 0u);
        EXPECT_EQ(text[i - 1], '\r') << "bare line feed at " << i;
    }
    EXPECT_EQ(lineEnds, 4u);
}

TEST(WithExtension, KeepsTheTemporaryNameAndItsNumberAndChangesOnlyTheExtension) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"C:\\users\\me\\Temp\\TMP4a2f.tmp", "bat", "C:\\users\\me\\Temp\\TMP4a2f.bat"},
        {"C:\\users\\me\\Temp\\TMP1.tmp", "bat", "C:\\users\\me\\Temp\\TMP1.bat"},
        {"C:\\Temp\\TMPffff.tmp", "txt", "C:\\Temp\\TMPffff.txt"},
        {"C:\\my.temp\\TMP12.tmp", "bat", "C:\\my.temp\\TMP12.bat"},
        {"C:\\Temp\\TMP12.a.tmp", "bat", "C:\\Temp\\TMP12.a.bat"},
    };
    for (const auto& [name, extension, expected] : cases)
        EXPECT_EQ(WithExtension(name, extension), expected) << name;
}

TEST(WithExtension, IsEmptyWhenTheFileNameHasNoPeriod) {
    EXPECT_EQ(WithExtension("C:\\Temp\\TMP12", "bat"), "");
    EXPECT_EQ(WithExtension("C:\\my.temp\\TMP12", "bat"), "");
    EXPECT_EQ(WithExtension("", "bat"), "");
}

TEST(TempNameNumber, ReadsTheHexNumberOfATmpNameOnly) {
    const std::tuple<const char*, unsigned> cases[] = {
        {"C:\\windows\\Temp\\TMP4a2f.tmp", 0x4a2f},
        {"C:\\Temp\\TMP4A2F.bat", 0x4a2f},
        {"C:\\my.TMP1\\TMP1.tmp", 1},
        {"TMPffff.tmp", 0xffff},
        {"C:\\Temp\\TMP.tmp", 0},
        {"C:\\Temp\\TMP12345.tmp", 0},
        {"C:\\Temp\\TMPxy.tmp", 0},
        {"C:\\Temp\\ABC12.tmp", 0},
        {"C:\\Temp\\TMP12", 0},
    };
    for (const auto& [name, number] : cases)
        EXPECT_EQ(TempNameNumber(name), number) << name;
}

TEST(NextTempNumber, CountsThroughEveryNameAndStartsAgainAtOne) {
    const std::tuple<unsigned, unsigned> cases[] = {
        {1, 2}, {0x4a2f, 0x4a30}, {0xfffe, 0xffff}, {0xffff, 1}, {0, 1}};
    for (const auto& [unique, next] : cases)
        EXPECT_EQ(NextTempNumber(unique), next) << unique;
}

} // namespace
