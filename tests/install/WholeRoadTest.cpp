// The whole product as a person meets it: install, run a document by double-click, edit and save
// it through the Edit verb, find the New menu's template, re-install, uninstall, and find the
// machine as it was before, apart from the user's own document.

#include "app/core/ZembraFormat.h"
#include "tests/driver/Control.h"
#include "tests/driver/Input.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Window.h"
#include "tests/install/InstallTest.h"

#include <shellapi.h>

using namespace install;

namespace {

constexpr int kCaptionField = 1000;
constexpr UINT kFileSave = 0xE103;

std::string DocumentBytes(const std::u16string& caption, const std::u16string& text,
                          std::uint32_t style) {
    const auto bytes = ZembraBytes(MessageBoxDesign(caption, text, style));
    return std::string(bytes.begin(), bytes.end());
}

HWND FirstOf(const std::vector<HWND>& windows) {
    return windows.empty() ? nullptr : windows.front();
}

// A program the shell started for a document, ended if the test leaves it running.
class ShellStarted {
public:
    // Opens path through the shell with verb (nullptr: the default verb).
    ShellStarted(const std::string& path, const char* verb) {
        SHELLEXECUTEINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        info.lpVerb = verb;
        info.lpFile = path.c_str();
        info.nShow = SW_SHOWNORMAL;
        if (ShellExecuteExA(&info))
            m_process.Reset(info.hProcess);
    }
    ~ShellStarted() {
        if (m_process && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_process.Get(), Process::kTerminatedExitCode);
            WaitForSingleObject(m_process.Get(), 2000);
        }
    }
    ShellStarted(const ShellStarted&) = delete;
    ShellStarted& operator=(const ShellStarted&) = delete;

    bool Started() const { return static_cast<bool>(m_process); }
    DWORD Id() const { return GetProcessId(m_process.Get()); }
    std::optional<DWORD> WaitForExit(milliseconds limit) const {
        if (WaitForSingleObject(m_process.Get(), static_cast<DWORD>(limit.count())) !=
            WAIT_OBJECT_0)
            return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(m_process.Get(), &code);
        return code;
    }

private:
    testdriver::OwnedHandle m_process;
};

// Every file and folder below root, relative to it, with each file's bytes; folder names end in
// a backslash. Folders named in skip are left out with everything in them.
std::map<std::string, std::string> ListTree(const std::string& root,
                                            const std::vector<std::string>& skip,
                                            const std::string& relative = "") {
    std::map<std::string, std::string> entries;
    for (const testdriver::FolderEntry& entry :
         testdriver::EntriesMatching(root + relative + "*")) {
        const std::string& name = entry.name;
        if (entry.isFolder) {
            const std::string folder = relative + name + "\\";
            if (std::find(skip.begin(), skip.end(), folder) != skip.end())
                continue;
            entries[folder] = "";
            const auto inner = ListTree(root, skip, folder);
            entries.insert(inner.begin(), inner.end());
        } else {
            entries[relative + name] =
                ReadFileBytes(root + relative + name).value_or("<unreadable>");
        }
    }
    return entries;
}

std::vector<std::string> Names(const std::map<std::string, std::string>& tree) {
    std::vector<std::string> names;
    for (const auto& entry : tree)
        names.push_back(entry.first);
    return names;
}

class WholeRoad : public InstallerTest {
protected:
    // The registry the product touches, and the list of installed programs as a whole.
    static std::vector<RegistrySnapshot> RegistryState() {
        std::vector<RegistrySnapshot> state = ProductState();
        state.push_back(TakeSnapshot(HKEY_LOCAL_MACHINE,
                                     "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"));
        return state;
    }
};

} // namespace

TEST_F(WholeRoad, InstallUseReinstallUninstallLeavesTheMachineAsBefore) {
    CreateDesktopFolder();
    const std::string documents = Scratch() + "My Documents\\";
    const std::vector<std::string> userFolders = {"My Documents\\"};
    CreateFolders(documents);
    const auto filesBefore = ListTree(Scratch(), userFolders);
    const auto registryBefore = RegistryState();

    // Install.
    const std::string dir = InstallFolder();
    ASSERT_EQ(Texts(Install(dir)), std::vector<std::string>{kComplete});
    ExpectInstalled(dir);

    // A double-click runs the document and hands back the pressed button.
    const std::string document = documents + "Ask before backup.zembra";
    ASSERT_TRUE(testdriver::WriteFileBytes(
        document, DocumentBytes(u"Backup", u"Start the backup now?", 0x2000 | 0x20 | 4)));
    {
        ShellStarted run(document, nullptr);
        ASSERT_TRUE(run.Started());
        const HWND box = testdriver::WaitFor(
            [&] { return FirstOf(testdriver::VisibleBoxes(run.Id())); }, kWindowLimit);
        ASSERT_NE(box, nullptr) << "the document's box did not appear";
        const auto contents = testdriver::ReadBox(box, milliseconds(0));
        ASSERT_TRUE(contents.has_value());
        EXPECT_EQ(contents->caption, "Backup");
        EXPECT_EQ(contents->text, "Start the backup now?");
        EXPECT_TRUE(testdriver::PressButton(box, IDNO));
        EXPECT_EQ(run.WaitForExit(kWindowLimit), std::optional<DWORD>(IDNO));
    }

    // The Edit verb opens it in the editor, where it is changed and saved.
    {
        ShellStarted edit(document, "edit");
        ASSERT_TRUE(edit.Started());
        const HWND frame = testdriver::WaitFor(
            [&] { return FirstOf(testdriver::FindWindows(edit.Id(), "FrameWindow", "")); },
            kWindowLimit);
        ASSERT_NE(frame, nullptr) << "the editor did not open";
        const HWND caption = testdriver::FindControl(frame, kCaptionField);
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(testdriver::WindowText(caption), "Backup");
        EXPECT_TRUE(testdriver::SetEditText(caption, "Nightly backup"));
        EXPECT_TRUE(testdriver::InvokeCommand(frame, kFileSave));
        EXPECT_TRUE(testdriver::WaitForFileBytes(
            document, DocumentBytes(u"Nightly backup", u"Start the backup now?", 0x2000 | 0x20 | 4),
            kWindowLimit))
            << "the change was not saved";
        EXPECT_TRUE(testdriver::AskToClose(frame));
        EXPECT_EQ(edit.WaitForExit(kWindowLimit), std::optional<DWORD>(0));
    }

    // The shell's New menu copies the template: the empty 20-byte document.
    const auto templatePath = GetString(HKEY_CLASSES_ROOT, ".zembra\\ShellNew", "FileName");
    ASSERT_TRUE(templatePath.has_value());
    EXPECT_EQ(ReadFileBytes(*templatePath),
              std::optional<std::string>(DocumentBytes(u"", u"", 0x2000)));
    EXPECT_EQ(ReadFileBytes(*templatePath).value_or("").size(), 20u);

    // Re-install over it.
    ASSERT_EQ(Texts(Install(dir)), (std::vector<std::string>{kReinstall, kComplete}));
    ExpectInstalled(dir);

    // Uninstall as the list of installed programs starts it: the command as recorded, quoted.
    const auto command = GetString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString");
    ASSERT_TRUE(command.has_value());
    Process uninstaller = Process::Start(*command);
    EXPECT_EQ(
        Texts(Converse(uninstaller, AnswerYes)),
        (std::vector<std::string>{kConfirmUninstall, "Zembra 1.0 was successfully removed."}));
    EXPECT_EQ(uninstaller.WaitForExit(kWindowLimit), std::optional<DWORD>(0));
    EXPECT_TRUE(uninstaller.WaitForProcessTree(kWindowLimit)) << "the removal script did not end";

    // The machine as before, apart from the user's own document.
    EXPECT_EQ(Names(ListTree(Scratch(), userFolders)), Names(filesBefore));
    EXPECT_EQ(ListTree(Scratch(), userFolders), filesBefore);
    EXPECT_EQ(RegistryState(), registryBefore);
    EXPECT_TRUE(FileExists(document));
}
