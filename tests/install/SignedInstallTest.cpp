// An installation by the signing test's signed installer (tests/release): the programs it
// writes are the signed programs, byte for byte, their signatures included.

#include "tests/install/InstallTest.h"

#include <cstring>

using namespace install;

namespace {

// The size of a program's certificate table, from its PE header's data directories; 0 for an
// unsigned program or a file that is none.
DWORD CertificateTableSize(const std::string& program) {
    IMAGE_DOS_HEADER dos{};
    IMAGE_NT_HEADERS64 headers{};
    if (program.size() < sizeof(dos))
        return 0;
    std::memcpy(&dos, program.data(), sizeof(dos));
    const auto at = static_cast<std::size_t>(dos.e_lfanew);
    if (at > program.size() || program.size() - at < sizeof(headers))
        return 0;
    std::memcpy(&headers, program.data() + at, sizeof(headers));
    return headers.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_SECURITY].Size;
}

} // namespace

TEST_F(InstallerTest, TheSignedInstallerWritesTheSignedPrograms) {
    const std::string signedFolder = testdriver::WindowsPathOf(ZEMBRA_SIGNED_FOLDER) + "\\";
    const std::string installer = signedFolder + "Install Zembra 1.0.exe";
    ASSERT_NE(CertificateTableSize(ReadFileBytes(installer).value_or("")), 0u) << installer;
    CreateDesktopFolder();

    Process run = Process::Start("\"" + installer + "\" /S /D=" + InstallFolder(), Scratch());
    EXPECT_EQ(run.WaitForExit(kRunLimit), std::optional<DWORD>(0));
    for (const char* program : {"Zembra.exe", "Uninstall.exe", "zembra-cli.exe"}) {
        SCOPED_TRACE(program);
        const auto installed = ReadFileBytes(InstallFolder() + program);
        const auto signedProgram = ReadFileBytes(signedFolder + program);
        ASSERT_TRUE(installed.has_value());
        ASSERT_TRUE(signedProgram.has_value());
        EXPECT_NE(CertificateTableSize(*installed), 0u) << "installed without its signature";
        EXPECT_TRUE(*installed == *signedProgram)
            << "installed other bytes than the signed program";
    }
}
