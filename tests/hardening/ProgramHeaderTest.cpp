// Each program file as the loader sees it: which DLLs it makes the system load before any code of
// ours runs, and which protections it asks for.

#include "tests/driver/Process.h"
#include "tests/driver/ProgramImage.h"
#include "tests/driver/core/NamedCase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace {

using testdriver::ProgramImage;

struct Program : testdriver::NamedCase {
    const char* path;
    bool window; // a window program, otherwise a console one
};

const Program kPrograms[] = {
    {"Zembra", ZEMBRA_EXE_PATH, true},
    {"zembra_cli", ZEMBRA_CLI_PATH, false},
    {"Installer", ZEMBRA_INSTALLER_PATH, true},
    {"Uninstall", ZEMBRA_UNINSTALLER_PATH, true},
};

// The DLLs that Windows 7 to 11 all load from the system folder whatever lies beside a program
// (their KnownDLLs), ntdll included, in lower case.
const std::set<std::string> kKnownDlls = {
    "advapi32.dll", "clbcatq.dll",  "comdlg32.dll", "gdi32.dll",    "imagehlp.dll", "imm32.dll",
    "kernel32.dll", "msctf.dll",    "msvcrt.dll",   "normaliz.dll", "nsi.dll",      "ntdll.dll",
    "ole32.dll",    "oleaut32.dll", "psapi.dll",    "rpcrt4.dll",   "sechost.dll",  "setupapi.dll",
    "shell32.dll",  "shlwapi.dll",  "user32.dll",   "wldap32.dll",  "ws2_32.dll"};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

class ProgramHeader : public testing::TestWithParam<Program> {
protected:
    void SetUp() override {
        const auto image = testdriver::ReadProgramImage(testdriver::WindowsPathOf(GetParam().path));
        ASSERT_TRUE(image) << "cannot read " << GetParam().path;
        m_image = *image;
    }
    ProgramImage m_image;
};

TEST_P(ProgramHeader, ImportsOnlyKnownDlls) {
    ASSERT_FALSE(m_image.imports.empty());
    for (const testdriver::ImportedDll& dll : m_image.imports)
        EXPECT_EQ(kKnownDlls.count(Lower(dll.name)), 1u) << dll.name << " is not a KnownDLL";
    EXPECT_TRUE(m_image.delayImports.empty())
        << "loads on first call, by name: " << testing::PrintToString(m_image.delayImports);
}

// The toolchain's stack-protection runtime seeds its guard through the crypto API, which loads
// DLLs by name while the process starts: the program's own guard leaves these out.
TEST_P(ProgramHeader, TakesNothingFromTheCryptoApi) {
    const std::set<std::string> crypto = {"CryptAcquireContextA", "CryptAcquireContextW",
                                          "CryptGenRandom", "CryptReleaseContext",
                                          "SystemFunction036"};
    for (const testdriver::ImportedDll& dll : m_image.imports)
        for (const std::string& function : dll.functions)
            EXPECT_EQ(crypto.count(function), 0u) << dll.name << "!" << function;
}

TEST_P(ProgramHeader, AsksForAddressRandomisationAndNoExecutableData) {
    EXPECT_TRUE(m_image.dllCharacteristics & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);
    EXPECT_TRUE(m_image.dllCharacteristics & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA);
    EXPECT_TRUE(m_image.dllCharacteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
    // Without its relocations the program cannot be moved, whatever the flag says.
    EXPECT_FALSE(m_image.characteristics & IMAGE_FILE_RELOCS_STRIPPED);
    EXPECT_GT(m_image.relocationsSize, 0u);
}

TEST_P(ProgramHeader, AWindowProgramIsAwareOfRemoteDesktopSessions) {
    EXPECT_EQ(m_image.subsystem,
              GetParam().window ? IMAGE_SUBSYSTEM_WINDOWS_GUI : IMAGE_SUBSYSTEM_WINDOWS_CUI);
    EXPECT_EQ((m_image.dllCharacteristics & IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE) != 0,
              GetParam().window);
}

INSTANTIATE_TEST_SUITE_P(EachProgram, ProgramHeader, testing::ValuesIn(kPrograms),
                         testdriver::CaseName());

} // namespace
