#include "uninstaller/core/SelfRemovalScript.h"
#include "framework/core/LineBreaks.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using namespace uninstaller;

TEST(SelfRemovalScript, IsItsLinesByteForByteAsTheFileHoldsThem) {
    EXPECT_EQ(WithCrLf(kSelfRemovalScript),
              "setlocal EnableDelayedExpansion\r\n"
              ":Repeat\r\n"
              "del \"!ZEMBRA_PROGRAM!\"\r\n"
              "if exist \"!ZEMBRA_PROGRAM!\" if !ZEMBRA_TRIES! gtr 0 set /a ZEMBRA_TRIES-=1 & "
              "\"!ZEMBRA_PING!\" -n 2 127.0.0.1 & goto Repeat\r\n"
              "rmdir \"!ZEMBRA_FOLDER!\"\r\n"
              "del \"!ZEMBRA_SCRIPT!\"");
}

// Whatever a folder is called, nothing of it is ever part of the script's text, which the
// command interpreter would read as commands: a "%" or a "&" of a name stays in a variable.
TEST(SelfRemovalScript, NamesOnlyItsVariablesAndReadsEachInDelayedExpansion) {
    const std::string script = kSelfRemovalScript;
    EXPECT_EQ(script.find('%'), std::string::npos);
    EXPECT_EQ(script.find(":\\"), std::string::npos);
    for (const char* name :
         {"!ZEMBRA_PROGRAM!", "!ZEMBRA_FOLDER!", "!ZEMBRA_SCRIPT!", "!ZEMBRA_PING!"})
        EXPECT_NE(script.find(std::string("\"") + name + "\""), std::string::npos) << name;
    EXPECT_EQ(kScriptTries, 120u);
}

TEST(ScriptVariables, CarryEachPathExactlyAndTheTriesLeft) {
    const ScriptPaths paths{L"C:\\Program Files\\Zembra 100%\\Uninstall.exe",
                            L"C:\\Program Files\\Zembra 100%\\", L"C:\\Windows\\Temp\\TMP4a2f.bat",
                            L"C:\\Windows\\system32\\ping.exe"};
    EXPECT_EQ(ScriptVariables(paths, 120),
              (std::vector<std::wstring>{
                  L"ZEMBRA_FOLDER=C:\\Program Files\\Zembra 100%\\",
                  L"ZEMBRA_PING=C:\\Windows\\system32\\ping.exe",
                  L"ZEMBRA_PROGRAM=C:\\Program Files\\Zembra 100%\\Uninstall.exe",
                  L"ZEMBRA_SCRIPT=C:\\Windows\\Temp\\TMP4a2f.bat",
                  L"ZEMBRA_TRIES=120",
              }));
}

// The block as a list of its entries, each one's NUL taken away; false when it does not end
// with the block's own NUL.
bool SplitBlock(const std::wstring& block, std::vector<std::wstring>& entries) {
    entries.clear();
    std::size_t at = 0;
    while (at < block.size() && block[at] != L'\0') {
        const std::size_t end = block.find(L'\0', at);
        if (end == std::wstring::npos)
            return false;
        entries.push_back(block.substr(at, end - at));
        at = end + 1;
    }
    return at + 1 == block.size();
}

TEST(EnvironmentBlock, ReplacesTheVariablesOfTheSameNameAndKeepsTheOrderOfNames) {
    using Entries = std::vector<std::wstring>;
    const std::tuple<Entries, Entries, Entries> cases[] = {
        {{}, {L"ZEMBRA_A=1"}, {L"ZEMBRA_A=1"}},
        {{L"=C:=C:\\x", L"Path=C:\\w", L"windir=C:\\w"},
         {L"ZEMBRA_A=1", L"ZEMBRA_B=%x%"},
         {L"=C:=C:\\x", L"Path=C:\\w", L"windir=C:\\w", L"ZEMBRA_A=1", L"ZEMBRA_B=%x%"}},
        // A variable of the user's with one of the script's names, in any case, never reaches it.
        {{L"TEMP=t", L"zembra_tries=0", L"ZEMBRA_TRIES=9999", L"zz=z"},
         {L"ZEMBRA_TRIES=120"},
         {L"TEMP=t", L"ZEMBRA_TRIES=120", L"zz=z"}},
        {{L"A=1", L"ZEMBRA_TRIESX=1"},
         {L"ZEMBRA_TRIES=2"},
         {L"A=1", L"ZEMBRA_TRIES=2", L"ZEMBRA_TRIESX=1"}},
    };
    for (const auto& [current, variables, expected] : cases) {
        Entries entries;
        ASSERT_TRUE(SplitBlock(EnvironmentBlock(current, variables), entries));
        EXPECT_EQ(entries, expected);
    }
    EXPECT_EQ(EnvironmentBlock({}, {}), std::wstring(1, L'\0'));
}

TEST(ScriptCommandLine, RunsTheScriptWithoutAutoRunInOneMorePairOfQuotes) {
    EXPECT_EQ(ScriptCommandLine(L"C:\\Windows\\system32\\cmd.exe", L"C:\\Users\\A&B\\TMP1.bat"),
              L"\"C:\\Windows\\system32\\cmd.exe\" /d /c \"\"C:\\Users\\A&B\\TMP1.bat\"\"");
}

TEST(WithExtension, KeepsTheTemporaryNameAndItsNumberAndChangesOnlyTheExtension) {
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\users\\me\\Temp\\TMP4a2f.tmp", L"bat", L"C:\\users\\me\\Temp\\TMP4a2f.bat"},
        {L"C:\\users\\me\\Temp\\TMP1.tmp", L"bat", L"C:\\users\\me\\Temp\\TMP1.bat"},
        {L"C:\\Temp\\TMPffff.tmp", L"txt", L"C:\\Temp\\TMPffff.txt"},
        {L"C:\\my.temp\\TMP12.tmp", L"bat", L"C:\\my.temp\\TMP12.bat"},
        {L"C:\\Temp\\TMP12.a.tmp", L"bat", L"C:\\Temp\\TMP12.a.bat"},
        {L"C:\\Temp\\TMP12", L"bat", L""},
        {L"C:\\my.temp\\TMP12", L"bat", L""},
        {L"", L"bat", L""},
    };
    for (const auto& [name, extension, expected] : cases)
        EXPECT_EQ(WithExtension(name, extension), expected) << testing::PrintToString(name);
}

TEST(TempNameNumber, ReadsTheHexNumberOfATmpNameOnly) {
    const std::tuple<const wchar_t*, unsigned> cases[] = {
        {L"C:\\windows\\Temp\\TMP4a2f.tmp", 0x4a2f},
        {L"C:\\Temp\\TMP4A2F.bat", 0x4a2f},
        {L"C:\\my.TMP1\\TMP1.tmp", 1},
        {L"TMPffff.tmp", 0xffff},
        {L"C:\\Temp\\TMP.tmp", 0},
        {L"C:\\Temp\\TMP12345.tmp", 0},
        {L"C:\\Temp\\TMPxy.tmp", 0},
        {L"C:\\Temp\\ABC12.tmp", 0},
        {L"C:\\Temp\\TMP12", 0},
    };
    for (const auto& [name, number] : cases)
        EXPECT_EQ(TempNameNumber(name), number) << testing::PrintToString(name);
}

TEST(NextTempNumber, CountsThroughEveryNameAndStartsAgainAtOne) {
    const std::tuple<unsigned, unsigned> cases[] = {
        {1, 2}, {0x4a2f, 0x4a30}, {0xfffe, 0xffff}, {0xffff, 1}, {0, 1}};
    for (const auto& [unique, next] : cases)
        EXPECT_EQ(NextTempNumber(unique), next) << unique;
}

} // namespace
