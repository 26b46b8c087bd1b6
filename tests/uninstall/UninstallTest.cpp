// Uninstall.exe driven as a person (or the installer) runs it, on an installation the test lays
// down: its boxes, its exit code, and what is left of files and registry once every process it
// started has ended.

#include "tests/driver/Box.h"
#include "tests/driver/Process.h"
#include "tests/uninstall/Installation.h"

#include <gtest/gtest.h>

#include <set>

namespace uninstalltest {
namespace {

using testdriver::BoxIcon;
using testdriver::milliseconds;
using testdriver::Process;

const milliseconds kBoxLimit{10000};
const milliseconds kExitLimit{10000};
// The script runs on after the uninstaller, until the uninstaller's file can be deleted.
const milliseconds kTreeLimit{15000};

const char* const kConfirm = "Are you sure you want to uninstall Zembra 1.0?";
const char* const kSuccess = "Zembra 1.0 was successfully removed.";
const char* const kIncomplete = "Zembra 1.0 was not completely removed.";
const char* const kCloseZembra = "Please close Zembra before continuing.";

const char* const kProductTrees[][2] = {
    {"HKCR", ".zembra"},
    {"HKCR", "Zembra.Document"},
    {"HKCU", "Software\\Zembra"},
    {"HKLM", "Software\\Zembra"},
    {"HKLM", "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zembra"},
};

HKEY Root(const std::string& name) {
    if (name == "HKCR")
        return HKEY_CLASSES_ROOT;
    return name == "HKCU" ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

std::string SystemText(DWORD error) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0x400, reinterpret_cast<char*>(&buffer), 0, nullptr);
    const std::string text = length != 0 ? std::string(buffer, length) : std::string();
    LocalFree(buffer);
    return text;
}

std::string TempFolder() {
    char buffer[MAX_PATH] = "";
    const DWORD length = GetTempPathA(MAX_PATH, buffer);
    return std::string(buffer, length);
}

// The names of the temporary folder's "TMP" files: the script lives among them.
std::set<std::string> TemporaryFiles() {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((TempFolder() + "TMP*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        names.insert(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

struct ExpectedBox {
    std::string text;
    std::vector<int> buttons;
    BoxIcon icon;
};

const std::vector<int> kYesNo = {IDYES, IDNO};
const std::vector<int> kOk = {IDOK};
const std::vector<int> kOkCancel = {IDOK, IDCANCEL};

class UninstallTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_installation.IsComplete()); }

    Process Start(const std::string& arguments, const std::string& workingFolder = {}) {
        m_temporaryBefore = TemporaryFiles();
        const std::string line = "\"" + m_installation.UninstallerPath() + "\"" +
                                 (arguments.empty() ? "" : " " + arguments);
        return Process::Start(line, workingFolder);
    }

    // The next box of the uninstaller, other than previous, checked against what it must show:
    // caption "Uninstall", the text, the buttons, the icon, no owner window.
    HWND ExpectBox(const Process& uninstaller, const ExpectedBox& expected,
                   HWND previous = nullptr) {
        HWND box = testdriver::WaitForNextBox(uninstaller, previous, kBoxLimit);
        EXPECT_NE(box, nullptr) << "no box: " << expected.text;
        if (box == nullptr)
            return nullptr;
        const std::optional<testdriver::BoxContents> contents = testdriver::ReadBox(box);
        EXPECT_TRUE(contents.has_value());
        if (!contents)
            return box;
        EXPECT_EQ(contents->caption, "Uninstall");
        EXPECT_EQ(contents->text, expected.text);
        EXPECT_EQ(contents->ButtonIds(), expected.buttons) << expected.text;
        EXPECT_EQ(contents->icon, expected.icon) << expected.text;
        EXPECT_EQ(contents->owner, nullptr) << expected.text;
        return box;
    }

    // Expects the box, presses the button and returns the box.
    HWND Answer(const Process& uninstaller, const ExpectedBox& expected, int button,
                HWND previous = nullptr) {
        HWND box = ExpectBox(uninstaller, expected, previous);
        if (box != nullptr) {
            EXPECT_TRUE(testdriver::PressButton(box, button)) << expected.text;
        }
        return box;
    }

    // The exit code once the uninstaller and everything it started have ended.
    static DWORD Finish(Process& uninstaller) {
        const std::optional<DWORD> code = uninstaller.WaitForExit(kExitLimit);
        EXPECT_TRUE(code.has_value()) << "the uninstaller did not end";
        EXPECT_TRUE(uninstaller.WaitForProcessTree(kTreeLimit))
            << "processes it started still run: " << uninstaller.StartedProcessIds().size();
        return code.value_or(Process::kTerminatedExitCode);
    }

    // A run of the uninstaller that shows no box at all, and its exit code.
    static DWORD FinishWithoutBox(Process& uninstaller) {
        bool sawBox = false;
        while (uninstaller.IsRunning() && !sawBox) {
            sawBox = !testdriver::VisibleBoxes(uninstaller.Id()).empty();
            Sleep(10);
        }
        EXPECT_FALSE(sawBox) << "a silent run showed a box";
        return Finish(uninstaller);
    }

    void ExpectEverythingRemoved() {
        for (const std::string& file : m_installation.RemovedFiles())
            EXPECT_FALSE(FileExists(file)) << file;
        EXPECT_FALSE(FolderExists(m_installation.Folder()));
        ExpectTreesRemoved();
        ExpectNoScriptLeft();
    }

    void ExpectTreesRemoved() {
        for (const auto& tree : kProductTrees)
            EXPECT_FALSE(KeyExists(Root(tree[0]), tree[1])) << tree[0] << "\\" << tree[1];
        ExpectNeighboursKept();
    }

    void ExpectNothingRemoved() {
        for (const std::string& file : m_installation.RemovedFiles())
            EXPECT_TRUE(FileExists(file)) << file;
        for (const auto& tree : kProductTrees)
            EXPECT_TRUE(KeyExists(Root(tree[0]), tree[1])) << tree[0] << "\\" << tree[1];
        EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, "Software\\Zembra", "Path"),
                  m_installation.Folder());
        ExpectNeighboursKept();
        ExpectNoScriptLeft();
    }

    static void ExpectNeighboursKept() {
        for (const NeighbourKey& neighbour : kNeighbourKeys) {
            EXPECT_EQ(ReadText(neighbour.root, neighbour.key, ""), "neighbour") << neighbour.key;
            EXPECT_EQ(ReadText(neighbour.root, std::string(neighbour.key) + "\\Child", "Name"),
                      "child")
                << neighbour.key;
        }
    }

    // No temporary file of the run is left: neither the script nor the name it was made from.
    void ExpectNoScriptLeft() {
        for (const std::string& name : TemporaryFiles())
            EXPECT_TRUE(m_temporaryBefore.count(name)) << "left behind: " << name;
    }

    RegistryGuard m_registry;
    Installation m_installation;
    std::set<std::string> m_temporaryBefore;
};

TEST_F(UninstallTest, InteractiveRunAsksOnceRemovesEverythingAndReportsSuccess) {
    Process uninstaller = Start("");
    HWND question = Answer(uninstaller, {kConfirm, kYesNo, BoxIcon::Information}, IDYES);
    Answer(uninstaller, {kSuccess, kOk, BoxIcon::Information}, IDOK, question);
    EXPECT_EQ(Finish(uninstaller), 0u);
    ExpectEverythingRemoved();
}

TEST_F(UninstallTest, RunFromItsOwnFolderStillRemovesTheFolder) {
    Process uninstaller = Start("", m_installation.Folder());
    HWND question = Answer(uninstaller, {kConfirm, kYesNo, BoxIcon::Information}, IDYES);
    Answer(uninstaller, {kSuccess, kOk, BoxIcon::Information}, IDOK, question);
    EXPECT_EQ(Finish(uninstaller), 0u);
    ExpectEverythingRemoved();
}

TEST_F(UninstallTest, SilentRunShowsNothingAndRemovesEverything) {
    Process uninstaller = Start("Silent");
    EXPECT_EQ(FinishWithoutBox(uninstaller), 0u);
    ExpectEverythingRemoved();
}

// Only the exact word makes a run silent; anything else is an interactive run, and No at its
// question leaves the installation as it was.
TEST_F(UninstallTest, AnythingButTheExactWordAsksAndNoKeepsEverything) {
    for (const char* arguments : {"", "silent", "SILENT", "Silent x", "/Silent"}) {
        SCOPED_TRACE(std::string("arguments [") + arguments + "]");
        Process uninstaller = Start(arguments);
        Answer(uninstaller, {kConfirm, kYesNo, BoxIcon::Information}, IDNO);
        EXPECT_EQ(Finish(uninstaller), 1u);
        ExpectNothingRemoved();
    }
}

// Closing the question without an answer is no Yes.
TEST_F(UninstallTest, QuestionClosedWithoutAnswerKeepsEverything) {
    Process uninstaller = Start("");
    HWND box = ExpectBox(uninstaller, {kConfirm, kYesNo, BoxIcon::Information});
    ASSERT_NE(box, nullptr);
    PostMessageA(box, WM_CLOSE, 0, 0);
    EXPECT_EQ(Finish(uninstaller), 1u);
    ExpectNothingRemoved();
}

TEST_F(UninstallTest, HelpPageAlreadyGoneIsNoError) {
    ASSERT_TRUE(DeleteFileA(m_installation.FilePath("Help.htm").c_str()));
    Process uninstaller = Start("");
    HWND question = Answer(uninstaller, {kConfirm, kYesNo, BoxIcon::Information}, IDYES);
    Answer(uninstaller, {kSuccess, kOk, BoxIcon::Information}, IDOK, question);
    EXPECT_EQ(Finish(uninstaller), 0u);
    ExpectEverythingRemoved();
}

TEST_F(UninstallTest, UsersOwnFileSurvivesAndKeepsTheFolder) {
    const std::string document = m_installation.FilePath("My box.zembra");
    ASSERT_TRUE(WriteFileBytes(document, "mine"));
    Process uninstaller = Start("Silent");
    EXPECT_EQ(FinishWithoutBox(uninstaller), 0u);
    for (const std::string& file : m_installation.RemovedFiles())
        EXPECT_FALSE(FileExists(file)) << file;
    EXPECT_EQ(ReadFileBytes(document), "mine");
    EXPECT_TRUE(FolderExists(m_installation.Folder()));
    ExpectTreesRemoved();
    ExpectNoScriptLeft();
}

TEST_F(UninstallTest, FileHeldOpenIsReportedWithItsPathAndTheRunEndsIncomplete) {
    const std::string help = m_installation.FilePath("Help.htm");
    const HANDLE held =
        CreateFileA(help.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const testdriver::UniqueHandle holder(held);

    Process uninstaller = Start("");
    HWND box = Answer(uninstaller, {kConfirm, kYesNo, BoxIcon::Information}, IDYES);
    box = Answer(uninstaller,
                 {"Could not delete file: \"" + help + "\"\n" + SystemText(ERROR_SHARING_VIOLATION),
                  kOk, BoxIcon::Error},
                 IDOK, box);
    Answer(uninstaller, {kIncomplete, kOk, BoxIcon::Error}, IDOK, box);
    EXPECT_EQ(Finish(uninstaller), 1u);
    EXPECT_TRUE(FileExists(help));
    for (const std::string& file : m_installation.RemovedFiles()) {
        if (file != help) {
            EXPECT_FALSE(FileExists(file)) << file;
        }
    }
    ExpectTreesRemoved();
    ExpectNoScriptLeft();
}

TEST_F(UninstallTest, ProductKeyRemovedByHandDeletesNoFileButStillTheTrees) {
    ASSERT_TRUE(DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Zembra"));
    Process uninstaller = Start("");
    HWND box = Answer(uninstaller, {kConfirm, kYesNo, BoxIcon::Information}, IDYES);
    box = Answer(
        uninstaller,
        {"Program installation path could not be found.\n" + SystemText(ERROR_FILE_NOT_FOUND), kOk,
         BoxIcon::Error},
        IDOK, box);
    Answer(uninstaller, {kIncomplete, kOk, BoxIcon::Error}, IDOK, box);
    EXPECT_EQ(Finish(uninstaller), 1u);
    for (const std::string& file : m_installation.RemovedFiles()) {
        if (file != m_installation.UninstallerPath()) {
            EXPECT_TRUE(FileExists(file)) << file;
        }
    }
    // The script still removes the uninstaller itself.
    EXPECT_FALSE(FileExists(m_installation.UninstallerPath()));
    EXPECT_TRUE(FolderExists(m_installation.Folder()));
    ExpectTreesRemoved();
    ExpectNoScriptLeft();
}

TEST_F(UninstallTest, LogWrittenByTheEditorIntoTheFolderKeepsIt) {
    // The editor logs to its default log file, Log.txt beside it.
    ASSERT_TRUE(WriteText(HKEY_CURRENT_USER, "Software\\Zembra", "bOutputLog", "True"));
    const std::string document = m_installation.Folder() + "..\\log test " +
                                 std::to_string(GetCurrentProcessId()) + ".zembra";
    ASSERT_TRUE(WriteFileBytes(document, EmptyDocument()));
    {
        Process zembra = Process::Start("\"" + m_installation.FilePath("Zembra.exe") + "\" RUN \"" +
                                        document + "\"");
        HWND box = testdriver::WaitForBox(zembra, kBoxLimit);
        ASSERT_NE(box, nullptr);
        testdriver::PressButton(box, IDOK);
        ASSERT_TRUE(zembra.WaitForExit(kExitLimit).has_value());
    }
    DeleteFileA(document.c_str());
    const std::string log = m_installation.FilePath("Log.txt");
    ASSERT_TRUE(FileExists(log));

    Process uninstaller = Start("Silent");
    EXPECT_EQ(FinishWithoutBox(uninstaller), 0u);
    EXPECT_TRUE(FileExists(log));
    EXPECT_TRUE(FolderExists(m_installation.Folder()));
    for (const std::string& file : m_installation.RemovedFiles())
        EXPECT_FALSE(FileExists(file)) << file;
    ExpectTreesRemoved();
}

// Without a temporary folder there is no script: the uninstaller says it cannot delete itself,
// and it and the folder stay.
TEST_F(UninstallTest, ScriptThatCannotBeMadeLeavesTheUninstallerAndEndsIncomplete) {
    char saved[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA("TMP", saved, MAX_PATH);
    SetEnvironmentVariableA("TMP", (m_installation.Folder() + "no temporary folder\\").c_str());
    Process uninstaller = Start("");
    SetEnvironmentVariableA("TMP", length != 0 ? saved : nullptr);
    HWND box = Answer(uninstaller, {kConfirm, kYesNo, BoxIcon::Information}, IDYES);
    box =
        Answer(uninstaller, {"Could not delete \"Uninstall.exe\"", kOk, BoxIcon::Error}, IDOK, box);
    Answer(uninstaller, {kIncomplete, kOk, BoxIcon::Error}, IDOK, box);
    EXPECT_EQ(Finish(uninstaller), 1u);
    for (const std::string& file : m_installation.RemovedFiles()) {
        if (file != m_installation.UninstallerPath()) {
            EXPECT_FALSE(FileExists(file)) << file;
        }
    }
    EXPECT_TRUE(FileExists(m_installation.UninstallerPath()));
    ExpectTreesRemoved();
}

// A running editor, shown by the box of a document it runs.
class RunningEditor {
public:
    explicit RunningEditor(const Installation& installation)
        : m_document(installation.Folder() + "..\\running " +
                     std::to_string(GetCurrentProcessId()) + ".zembra") {
        WriteFileBytes(m_document, EmptyDocument());
        m_zembra.emplace(Process::Start("\"" + installation.FilePath("Zembra.exe") + "\" RUN \"" +
                                        m_document + "\""));
        m_box = testdriver::WaitForBox(*m_zembra, kBoxLimit);
    }
    ~RunningEditor() {
        m_zembra.reset();
        DeleteFileA(m_document.c_str());
    }
    RunningEditor(const RunningEditor&) = delete;
    RunningEditor& operator=(const RunningEditor&) = delete;

    bool IsShowingItsBox() const { return m_box != nullptr; }
    // Answers the document's box, so that the editor ends.
    bool Close() {
        return testdriver::PressButton(m_box, IDOK) && m_zembra->WaitForExit(kExitLimit);
    }

private:
    std::string m_document;
    std::optional<Process> m_zembra;
    HWND m_box = nullptr;
};

TEST_F(UninstallTest, RunningEditorIsAskedForUntilCancelledAndNothingIsDeleted) {
    RunningEditor editor(m_installation);
    ASSERT_TRUE(editor.IsShowingItsBox());
    Process uninstaller = Start("");
    const ExpectedBox close{kCloseZembra, kOkCancel, BoxIcon::Error};
    HWND box = Answer(uninstaller, close, IDOK);
    box = Answer(uninstaller, close, IDOK, box);
    Answer(uninstaller, close, IDCANCEL, box);
    EXPECT_EQ(Finish(uninstaller), 1u);
    ExpectNothingRemoved();
}

TEST_F(UninstallTest, EditorClosedWhileAskedLetsTheRunGoOn) {
    RunningEditor editor(m_installation);
    ASSERT_TRUE(editor.IsShowingItsBox());
    Process uninstaller = Start("");
    HWND box = ExpectBox(uninstaller, {kCloseZembra, kOkCancel, BoxIcon::Error});
    ASSERT_TRUE(editor.Close());
    ASSERT_TRUE(testdriver::PressButton(box, IDOK));
    box = Answer(uninstaller, {kConfirm, kYesNo, BoxIcon::Information}, IDYES, box);
    Answer(uninstaller, {kSuccess, kOk, BoxIcon::Information}, IDOK, box);
    EXPECT_EQ(Finish(uninstaller), 0u);
    ExpectEverythingRemoved();
}

TEST_F(UninstallTest, RunningEditorStopsASilentRunWithoutABox) {
    RunningEditor editor(m_installation);
    ASSERT_TRUE(editor.IsShowingItsBox());
    Process uninstaller = Start("Silent");
    EXPECT_EQ(FinishWithoutBox(uninstaller), 1u);
    ExpectNothingRemoved();
}

} // namespace
} // namespace uninstalltest
