// Each program on its roads with DLLs named like system DLLs lying beside it: none of them may be
// loaded once the program runs. The installer lies in a downloads folder of its own, the other
// programs where it installs them.
//
// Under Wine, Wine's own DLLs loaded with user32 import "version.dll" while the process starts,
// before any code of ours: that load at start is expected (Windows resolves its KnownDLLs' imports
// from the system folder).

#include "tests/driver/Box.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Window.h"
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"
#include "tests/hardening/Planting.h"
#include "tests/install/InstallTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using install::Process;
using testdriver::milliseconds;

// The names planted: those the system's code on the programs' roads loads by bare name, and some
// that it could.
const std::vector<std::string> kPlanted = {"version", "uxtheme",      "dwmapi",    "propsys",
                                           "profapi", "userenv",      "cryptbase", "winmm",
                                           "msimg32", "windowscodecs"};

constexpr int kBrowse = 1001;

class PlantedDlls : public install::InstallerTest {
protected:
    PlantedDlls()
        : m_downloads(Scratch() + "Downloads\\"),
          m_installer(m_downloads + "Install Zembra 1.0.exe"), m_product(InstallFolder()) {
        install::CreateFolders(m_downloads);
        install::CreateFolders(m_product);
        EXPECT_TRUE(CopyFileA(install::InstallerPath().c_str(), m_installer.c_str(), FALSE));
        EXPECT_TRUE(hardening::PlantDlls(m_downloads, kPlanted));
        EXPECT_TRUE(hardening::PlantDlls(m_product, kPlanted));
        CreateDesktopFolder();
    }

    // Runs the silent installation from the downloads folder into the product's folder.
    void InstallSilently() {
        // /D= takes the rest of the line as it stands, blanks included.
        Process installer =
            Process::Start("\"" + m_installer + "\" /S /D=" + m_product, m_downloads);
        EXPECT_EQ(installer.WaitForExit(install::kRunLimit), 0u);
        EXPECT_TRUE(installer.WaitForProcessTree(install::kWindowLimit));
    }

    // What the planted DLLs in folder noted at run time since the last look, which is forgotten.
    // The planted "version.dll" must have been loaded while the process started (by Wine's
    // user32), which shows that the loader takes the planted files at all.
    static std::vector<std::string> LoadedAtRunTime(const std::string& folder) {
        const std::vector<std::string> loads = hardening::PlantedLoads(folder);
        EXPECT_NE(std::find(loads.begin(), loads.end(), "version.dll start"), loads.end())
            << "the planted DLLs were not looked at: " << testing::PrintToString(loads);
        hardening::ClearPlantedLoads(folder);
        return hardening::PlantedRunTimeLoads(loads);
    }

    const hardening::NativeDllsPreferred m_preferred{
        {"Install Zembra 1.0.exe", "Zembra.exe", "zembra-cli.exe", "Uninstall.exe"}, kPlanted};
    const std::string m_downloads;
    const std::string m_installer;
    const std::string m_product;
};

using Loads = std::vector<std::string>;

TEST_F(PlantedDlls, SilentInstallationAndRemoval) {
    InstallSilently();
    ExpectFilesInstalled(m_product);
    EXPECT_EQ(LoadedAtRunTime(m_downloads), Loads{}) << "the silent installer";

    Process uninstaller = Process::Start("\"" + m_product + "Uninstall.exe\" Silent", m_product);
    EXPECT_EQ(uninstaller.WaitForExit(install::kRunLimit), 0u);
    EXPECT_TRUE(uninstaller.WaitForProcessTree(install::kRunLimit));
    EXPECT_FALSE(install::FileExists(m_product + "Zembra.exe"));
    EXPECT_EQ(LoadedAtRunTime(m_product), Loads{}) << "the silent uninstaller";
}

TEST_F(PlantedDlls, InteractiveInstallationWithTheFolderPicker) {
    HWND dialog = nullptr;
    Process installer = StartToDialog(dialog, m_installer, m_downloads);
    ASSERT_NE(dialog, nullptr);
    install::SetControlText(dialog, 1002, m_product);
    install::Click(dialog, kBrowse);
    const HWND picker = testdriver::WaitFor(
        [&]() -> HWND {
            for (HWND window : testdriver::VisibleWindows(installer.Id()))
                if (window != dialog)
                    return window;
            return nullptr;
        },
        install::kWindowLimit);
    ASSERT_NE(picker, nullptr) << "no folder picker";
    PostMessageA(picker, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(picker, IDCANCEL)));
    ASSERT_TRUE(testdriver::WaitUntil([&] { return !IsWindow(picker); }, install::kWindowLimit));
    const auto messages = InstallInDialog(installer, dialog, m_product);
    EXPECT_EQ(install::Texts(messages), std::vector<std::string>{"Installation complete."});
    EXPECT_EQ(LoadedAtRunTime(m_downloads), Loads{}) << "the installer";
}

TEST_F(PlantedDlls, EditorRunModeAndZembraCli) {
    InstallSilently();
    hardening::ClearPlantedLoads(m_product);
    const std::string document = m_product + "planted.zembra";
    ASSERT_TRUE(testdriver::WriteFileBytes(document, [] {
        const e2e::Bytes bytes = e2e::Document("Planted", "Run mode", MB_OKCANCEL);
        return std::string(bytes.begin(), bytes.end());
    }()));

    // Run mode and zembra-cli ask each show a box, answered with one of its buttons.
    const struct {
        std::string road, arguments;
        int answer;
    } boxes[] = {
        {"run mode", "Zembra.exe\" RUN \"" + document + "\"", IDCANCEL},
        {"zembra-cli ask", "zembra-cli.exe\" ask --text \"Planted?\" --buttons yes-no", IDYES}};
    for (const auto& b : boxes) {
        Process program = Process::Start("\"" + m_product + b.arguments);
        const HWND box = testdriver::WaitForBox(program, install::kWindowLimit);
        ASSERT_NE(box, nullptr) << "no box in " << b.road;
        EXPECT_TRUE(testdriver::PressButton(box, b.answer));
        EXPECT_EQ(program.WaitForExit(install::kWindowLimit), static_cast<DWORD>(b.answer));
        EXPECT_EQ(LoadedAtRunTime(m_product), Loads{}) << b.road;
    }
    e2e::EditorSession editor(m_product + "Zembra.exe");
    ASSERT_NE(editor.Frame(), nullptr);
    for (const UINT command : {e2e::kFileOpen, e2e::kAbout}) {
        const HWND dialog = editor.OpenDialog(command);
        ASSERT_NE(dialog, nullptr) << command;
        EXPECT_TRUE(e2e::CloseDialog(dialog)) << command;
    }
    EXPECT_EQ(editor.Close(), 0u);
    EXPECT_EQ(LoadedAtRunTime(m_product), Loads{}) << "the editor";
}

} // namespace
