// Uninstall.exe driven as a person (or the installer) runs it, on an installation the test lays
// down: its boxes, its exit code, and what is left of files and registry once every process it
// started has ended.

#include "framework/core/LineBreaks.h"
#include "tests/driver/Box.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Process.h"
#include "tests/driver/core/NamedCase.h"
#include "tests/uninstall/Installation.h"
#include "uninstaller/core/SelfRemovalScript.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// What a run finds before it starts.
enum class Setup {
    Installed,                // just the installation
    FromItsOwnFolder,         // started with the install folder as its current folder
    HelpGone,                 // the user deleted Help.htm
    UserFile,                 // a document of the user's in the install folder
    EditorLog,                // the editor wrote its log, Log.txt, into the install folder
    HelpHeldOpen,             // Help.htm cannot be deleted
    ProductKeyGone,           // the product key under HKEY_LOCAL_MACHINE was removed by hand
    NoTemporaryFolder,        // neither temporary folder exists: no script can be made
    NoWindowsTemporaryFolder, // only the user's temporary folder exists
    EditorRunning,            // Zembra.exe runs (and stays)
    EditorClosedLater,        // Zembra.exe runs until the first box is up
};

// One box the run must show, and what the test does with it. "<folder>" in the text stands for
// the install folder, "<error N>" for the system's text of error N.
struct Step {
    std::string text;
    std::vector<int> buttons;
    BoxIcon icon;
    int press; // a button id, or kClose to close the box without an answer
};
const int kClose = -1;

const std::vector<int> kYesNo = {IDYES, IDNO};
const std::vector<int> kOk = {IDOK};

const Step kConfirmYes{"Are you sure you want to uninstall Zembra 1.0?", kYesNo,
                       BoxIcon::Information, IDYES};
const Step kConfirmNo{kConfirmYes.text, kYesNo, BoxIcon::Information, IDNO};
const Step kSuccess{"Zembra 1.0 was successfully removed.", kOk, BoxIcon::Information, IDOK};
const Step kIncomplete{"Zembra 1.0 was not completely removed.", kOk, BoxIcon::Error, IDOK};
const Step kCloseEditorOk{
    "Please close Zembra before continuing.", {IDOK, IDCANCEL}, BoxIcon::Error, IDOK};
const Step kCloseEditorCancel{kCloseEditorOk.text, kCloseEditorOk.buttons, BoxIcon::Error,
                              IDCANCEL};

const char* const kAllFiles[] = {
    "Zembra.exe",     "FileType Icon.ico", "Help.htm",  "New MessageBox.zembra",
    "zembra-cli.exe", "Uninstall.exe",     "Zembra.lnk"};

// Where the self-removal script lies while the final report is shown.
enum class ScriptIn { WindowsTemp, UserTemp, Nowhere };

struct Scenario : testdriver::NamedCase {
    Setup setup;
    const char* arguments;
    std::vector<Step> boxes; // none at all for a silent run
    DWORD exitCode;
    // The files that stay: names in the install folder, or "Zembra.lnk" on the desktop.
    std::vector<std::string> remaining;
    bool treesRemoved;
    ScriptIn script = ScriptIn::WindowsTemp;
};

using Boxes = std::vector<Step>;
using Files = std::vector<std::string>;
const Files kEverything(std::begin(kAllFiles), std::end(kAllFiles));
const Files kNothing;
Files AllBut(const std::string& name) {
    Files files = kEverything;
    files.erase(std::find(files.begin(), files.end(), name));
    return files;
}
const Boxes kSilentRun;
const Boxes kConfirmed = {kConfirmYes, kSuccess};
// The question answered Yes, a report of the step that failed and the final report.
Boxes Incomplete(const std::string& report) {
    return {kConfirmYes, {report, kOk, BoxIcon::Error, IDOK}, kIncomplete};
}

const Scenario kScenarios[] = {
    {"AsksOnceRemovesEverythingAndReportsSuccess", Setup::Installed, "", kConfirmed, 0, kNothing,
     true},
    {"StartedInItsOwnFolderStillRemovesIt", Setup::FromItsOwnFolder, "", kConfirmed, 0, kNothing,
     true},
    {"SilentShowsNothingAndRemovesEverything", Setup::Installed, "Silent", kSilentRun, 0, kNothing,
     true},
    {"HelpPageAlreadyGoneIsNoError", Setup::HelpGone, "", kConfirmed, 0, kNothing, true},
    {"UsersFileSurvivesAndKeepsTheFolder", Setup::UserFile, "Silent", kSilentRun, 0,
     Files(1, "My box.zembra"), true},
    {"EditorsLogSurvivesAndKeepsTheFolder", Setup::EditorLog, "Silent", kSilentRun, 0,
     Files(1, "Log.txt"), true},
    {"FileHeldOpenIsReportedWithItsPath", Setup::HelpHeldOpen, "",
     Incomplete("Could not delete file: \"<folder>Help.htm\"\n<error 32>"), 1, Files(1, "Help.htm"),
     true},
    {"ProductKeyGoneDeletesNoFileButTheTrees", Setup::ProductKeyGone, "",
     Incomplete("Program installation path could not be found.\n<error 2>"), 1,
     AllBut("Uninstall.exe"), true},
    {"NoScriptLeavesTheUninstaller", Setup::NoTemporaryFolder, "",
     Incomplete("Could not delete \"Uninstall.exe\""), 1, Files(1, "Uninstall.exe"), true,
     ScriptIn::Nowhere},
    {"WithoutTheWindowsTemporaryFolderTheScriptRunsFromTheUsers", Setup::NoWindowsTemporaryFolder,
     "", kConfirmed, 0, kNothing, true, ScriptIn::UserTemp},
    // Only the exact word, as the whole command line, makes a run silent (the word's other forms
    // are the unit tests'); No keeps everything.
    {"NoKeepsEverything", Setup::Installed, "", Boxes(1, kConfirmNo), 1, kEverything, false},
    {"LowerCaseWordAsks", Setup::Installed, "silent", Boxes(1, kConfirmNo), 1, kEverything, false},
    {"WordWithMoreAsks", Setup::Installed, "Silent x", Boxes(1, kConfirmNo), 1, kEverything, false},
    // A question closed without an answer is no Yes.
    {"ClosedQuestionKeepsEverything", Setup::Installed, "",
     Boxes(1, Step{kConfirmYes.text, kYesNo, BoxIcon::Information, kClose}), 1, kEverything, false},
    {"RunningEditorIsAskedForUntilCancelled", Setup::EditorRunning, "",
     Boxes{kCloseEditorOk, kCloseEditorOk, kCloseEditorCancel}, 1, kEverything, false},
    {"EditorClosedWhileAskedLetsTheRunGoOn", Setup::EditorClosedLater, "",
     Boxes{kCloseEditorOk, kConfirmYes, kSuccess}, 0, kNothing, true},
    {"RunningEditorStopsASilentRun", Setup::EditorRunning, "Silent", kSilentRun, 1, kEverything,
     false},
};

std::string Expand(std::string text, const std::string& folder) {
    const std::string folderMark = "<folder>";
    if (const std::size_t at = text.find(folderMark); at != std::string::npos)
        text.replace(at, folderMark.size(), folder);
    if (const std::size_t at = text.find("<error "); at != std::string::npos) {
        const std::size_t end = text.find('>', at);
        const DWORD error = std::stoul(text.substr(at + 7, end - at - 7));
        text.replace(at, end - at + 1, SystemText(error));
    }
    return text;
}

// The "TMP" files of both temporary folders, with their paths: the script lives among them.
std::set<std::string> TemporaryFiles() {
    std::set<std::string> paths;
    for (const std::string& folder : {TempFolder(), WindowsTempFolder()}) {
        for (const testdriver::FolderEntry& entry : testdriver::EntriesMatching(folder + "TMP*"))
            paths.insert(folder + entry.name);
    }
    return paths;
}

// Zembra.exe of the installation running a document, so that it stays until its box is answered.
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
    // Answers the document's box; true once the editor has ended.
    bool Close() {
        return testdriver::PressButton(m_box, IDOK) && m_zembra->WaitForExit(kExitLimit);
    }

private:
    std::string m_document;
    std::optional<Process> m_zembra;
    HWND m_box = nullptr;
};

class UninstallRun : public testing::TestWithParam<Scenario> {
protected:
    void SetUp() override { ASSERT_TRUE(m_installation.IsComplete()); }

    // Prepares what the scenario's run finds and starts the uninstaller.
    Process Start(const Scenario& scenario) {
        m_temporaryBefore = TemporaryFiles();
        const std::string commandLine = "\"" + m_installation.UninstallerPath() + "\"" +
                                        (*scenario.arguments ? " " : "") + scenario.arguments;
        switch (scenario.setup) {
        case Setup::FromItsOwnFolder:
            return Process::Start(commandLine, m_installation.Folder());
        case Setup::HelpGone:
            EXPECT_TRUE(DeleteFileA(m_installation.FilePath("Help.htm").c_str()));
            break;
        case Setup::UserFile:
            EXPECT_TRUE(WriteFileBytes(m_installation.FilePath("My box.zembra"), "mine"));
            break;
        case Setup::EditorLog:
            WriteEditorLog();
            break;
        case Setup::HelpHeldOpen:
            m_held = testdriver::OwnedHandle(
                CreateFileA(m_installation.FilePath("Help.htm").c_str(), GENERIC_READ, 0, nullptr,
                            OPEN_EXISTING, 0, nullptr));
            EXPECT_TRUE(m_held);
            break;
        case Setup::ProductKeyGone:
            EXPECT_TRUE(DeleteTree(HKEY_LOCAL_MACHINE, "Software\\Zembra"));
            break;
        case Setup::NoTemporaryFolder:
            MoveWindowsTempAside();
            return StartWithoutTemporaryFolder(commandLine);
        case Setup::NoWindowsTemporaryFolder:
            MoveWindowsTempAside();
            break;
        case Setup::EditorRunning:
        case Setup::EditorClosedLater:
            m_editor.emplace(m_installation);
            EXPECT_TRUE(m_editor->IsShowingItsBox());
            break;
        case Setup::Installed:
            break;
        }
        return Process::Start(commandLine);
    }

    // The editor of the installation runs a document with logging on and writes Log.txt beside
    // itself.
    void WriteEditorLog() {
        EXPECT_TRUE(SetString(HKEY_CURRENT_USER, "Software\\Zembra", "bOutputLog", "True"));
        RunningEditor editor(m_installation);
        EXPECT_TRUE(editor.Close());
        EXPECT_TRUE(FileExists(m_installation.FilePath("Log.txt")));
    }

    // Moves the Windows folder's temporary folder aside until the test ends, so that nothing can
    // be created there.
    void MoveWindowsTempAside() {
        m_windowsTempMoved = MoveFileA(m_windowsTemp.c_str(), (m_windowsTemp + " aside").c_str());
        EXPECT_TRUE(m_windowsTempMoved);
    }
    void TearDown() override {
        if (m_windowsTempMoved)
            MoveFileA((m_windowsTemp + " aside").c_str(), m_windowsTemp.c_str());
    }

    static Process StartWithoutTemporaryFolder(const std::string& commandLine) {
        char saved[MAX_PATH] = "";
        const DWORD length = GetEnvironmentVariableA("TMP", saved, MAX_PATH);
        SetEnvironmentVariableA("TMP", "C:\\no temporary folder for Zembra\\");
        Process started = Process::Start(commandLine);
        SetEnvironmentVariableA("TMP", length != 0 ? saved : nullptr);
        return started;
    }

    // Checks each box in turn and answers it; true when all were shown.
    bool AnswerBoxes(const Process& uninstaller, const std::vector<Step>& steps) {
        HWND previous = nullptr;
        for (const Step& step : steps) {
            const std::string text = Expand(step.text, m_installation.Folder());
            HWND box = testdriver::WaitForNextBox(uninstaller, previous, kBoxLimit);
            if (box == nullptr) {
                ADD_FAILURE() << "no box: " << text;
                return false;
            }
            const std::optional<testdriver::BoxContents> contents = testdriver::ReadBox(box);
            EXPECT_TRUE(contents.has_value());
            if (contents) {
                EXPECT_EQ(contents->caption, "Uninstall");
                EXPECT_EQ(contents->text, text);
                EXPECT_EQ(contents->ButtonIds(), step.buttons) << text;
                EXPECT_EQ(contents->icon, step.icon) << text;
                EXPECT_EQ(contents->owner, nullptr) << text;
            }
            if (m_editor && GetParam().setup == Setup::EditorClosedLater && previous == nullptr) {
                EXPECT_TRUE(m_editor->Close());
            }
            if (&step == &steps.back() &&
                (step.text == kSuccess.text || step.text == kIncomplete.text))
                ExpectScriptWhileReported();
            if (step.press == kClose) {
                PostMessageA(box, WM_CLOSE, 0, 0);
            } else {
                EXPECT_TRUE(testdriver::PressButton(box, step.press)) << text;
            }
            previous = box;
        }
        return true;
    }

    // The new temporary files while the final report is shown: the script alone, in its folder,
    // with its lines.
    void ExpectScriptWhileReported() {
        std::vector<std::string> created;
        for (const std::string& path : TemporaryFiles()) {
            if (m_temporaryBefore.count(path) == 0)
                created.push_back(path);
        }
        const ScriptIn where = GetParam().script;
        ASSERT_EQ(created.size(), where == ScriptIn::Nowhere ? 0u : 1u)
            << testing::PrintToString(created);
        if (created.empty())
            return;
        const std::string& script = created.front();
        const std::string folder =
            where == ScriptIn::WindowsTemp ? WindowsTempFolder() : TempFolder();
        EXPECT_EQ(script.substr(0, folder.size()), folder);
        EXPECT_EQ(script.substr(script.size() - 4), ".bat");
        EXPECT_EQ(ReadFileBytes(script), WithCrLf(uninstaller::kSelfRemovalScript));
    }

    // A run without steps must not show any box until it ends (within the exit limit; the wait
    // for its exit then reports a run that does not end).
    static void ExpectNoBox(const Process& uninstaller) {
        bool shown = false;
        testdriver::WaitUntil(
            [&] {
                shown = !testdriver::VisibleBoxes(uninstaller.Id()).empty();
                return shown || !uninstaller.IsRunning();
            },
            kExitLimit, milliseconds(10));
        EXPECT_FALSE(shown) << "a silent run showed a box";
    }

    std::string PathOf(const std::string& name) const {
        return name == "Zembra.lnk" ? m_installation.ShortcutPath() : m_installation.FilePath(name);
    }

    void ExpectLeftBehind(const Scenario& scenario) {
        std::set<std::string> files(std::begin(kAllFiles), std::end(kAllFiles));
        files.insert({"My box.zembra", "Log.txt"});
        bool folderKept = false;
        for (const std::string& name : files) {
            const bool remains =
                std::count(scenario.remaining.begin(), scenario.remaining.end(), name) != 0;
            EXPECT_EQ(FileExists(PathOf(name)), remains) << name;
            folderKept = folderKept || (remains && name != "Zembra.lnk");
        }
        EXPECT_EQ(FolderExists(m_installation.Folder()), folderKept);
        for (const KeyName& tree : ProductTrees())
            EXPECT_EQ(KeyExists(tree.root, tree.path), !scenario.treesRemoved) << tree.path;
        if (!scenario.treesRemoved) {
            EXPECT_EQ(GetString(HKEY_LOCAL_MACHINE, "Software\\Zembra", "Path"),
                      m_installation.Folder());
        }
        for (const KeyName& neighbour : kNeighbourKeys) {
            EXPECT_EQ(GetString(neighbour.root, neighbour.path, ""), "neighbour") << neighbour.path;
            EXPECT_EQ(GetString(neighbour.root, neighbour.path + "\\Child", "Name"), "child")
                << neighbour.path;
        }
        // Neither the script nor the temporary name it was made from is left.
        for (const std::string& path : TemporaryFiles())
            EXPECT_TRUE(m_temporaryBefore.count(path)) << "left behind: " << path;
    }

    RegistryGuard m_registry;
    Installation m_installation;
    std::set<std::string> m_temporaryBefore;
    testdriver::OwnedHandle m_held;
    std::optional<RunningEditor> m_editor;
    const std::string m_windowsTemp = WindowsTempFolder().substr(0, WindowsTempFolder().size() - 1);
    bool m_windowsTempMoved = false;
};

TEST_P(UninstallRun, EndsWithItsExitCodeAndLeavesOnlyWhatItMust) {
    const Scenario& scenario = GetParam();
    Process uninstaller = Start(scenario);
    if (scenario.boxes.empty()) {
        ExpectNoBox(uninstaller);
    } else {
        ASSERT_TRUE(AnswerBoxes(uninstaller, scenario.boxes));
    }

    const std::optional<DWORD> exitCode = uninstaller.WaitForExit(kExitLimit);
    ASSERT_TRUE(exitCode.has_value()) << "the uninstaller did not end";
    EXPECT_EQ(*exitCode, scenario.exitCode);
    ASSERT_TRUE(uninstaller.WaitForProcessTree(kTreeLimit))
        << "processes it started still run: " << uninstaller.StartedProcessIds().size();
    m_held = testdriver::OwnedHandle();
    ExpectLeftBehind(scenario);
}

INSTANTIATE_TEST_SUITE_P(Uninstall, UninstallRun, testing::ValuesIn(kScenarios),
                         testdriver::CaseName());

} // namespace
} // namespace uninstalltest
