// Tools, Log Options in the running editor: the dialog shows the stored settings, OK changes them
// for the log of the same run and for the registry at exit, Cancel, Esc and the close box change
// nothing, the check box enables the fields that depend on it, and Browse picks the path with the
// system's save dialog (a picture of it is kept with the test output).

#include "tests/driver/Control.h"
#include "tests/driver/FileDialog.h"
#include "tests/driver/Input.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Screenshot.h"
#include "tests/driver/Window.h"
#include "tests/driver/core/NamedCase.h"
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"

#include <ostream>

using namespace e2e;
using namespace testdriver;

namespace {

constexpr int kOutputLog = 1000;
constexpr int kLogPath = 1001;
constexpr int kMaxLogSize = 1002;
constexpr int kBrowse = 1003;

std::optional<std::string> Stored(const char* name) {
    return GetString(HKEY_CURRENT_USER, kProductKey, name);
}

class LogOptions : public EditorDialogTest {
protected:
    // Starts the editor and opens the dialog.
    void Open() { OpenEditorDialog(kLogOptions); }

    HWND Item(int id) const { return m_dialog ? FindControl(m_dialog, id) : nullptr; }
    std::string Text(int id) const { return WindowText(Item(id)); }
    std::optional<int> Checked() const { return CheckState(Item(kOutputLog)); }

    // Clicks the check box and waits until it shows state.
    void ClickCheckBox(int state) {
        ASSERT_TRUE(Click(Item(kOutputLog)));
        ASSERT_TRUE(WaitUntil([&] { return Checked() == state; }, kWindowLimit));
    }

    // Waits until the fields that depend on the check box are enabled as enabled says.
    void ExpectDependentFieldsEnabled(bool enabled) {
        for (int id : {kLogPath, kBrowse, kMaxLogSize})
            EXPECT_TRUE(WaitUntil([&] { return IsEnabled(Item(id)) == enabled; }, kWindowLimit))
                << "control " << id << (enabled ? " disabled" : " enabled");
    }

    // The dialog shows these settings.
    void ExpectShown(bool outputLog, const std::string& path, const std::string& maxLogSize) {
        EXPECT_EQ(Checked(), outputLog ? BST_CHECKED : BST_UNCHECKED);
        EXPECT_EQ(Text(kLogPath), path);
        EXPECT_EQ(Text(kMaxLogSize), maxLogSize);
    }

    // The registry holds these settings.
    static void ExpectStored(bool outputLog, const std::string& path,
                             const std::string& maxLogSize) {
        EXPECT_EQ(Stored("bOutputLog"), std::string(outputLog ? "True" : "False"));
        EXPECT_EQ(Stored("LogPath"), path);
        EXPECT_EQ(Stored("nMaxLogSize"), maxLogSize);
    }
};

// A stored limit, what the dialog shows for it and what OK without a change stores back.
struct StoredSize : testdriver::NamedCase {
    bool outputLog;
    const char* stored;
    const char* shown;
    const char* storedBack;
};

const StoredSize kStoredSizes[] = {
    {"Default", true, "65536", "64", "65536"},
    {"PartOfAKilobyteDropped", false, "1500", "1", "1024"},
    {"LessThanAKilobyte", true, "1023", "0", "0"},
    {"Largest", false, "4294967295", "4194303", "4294966272"},
};

class StoredSettings : public LogOptions, public testing::WithParamInterface<StoredSize> {};

TEST_P(StoredSettings, ShowAndComeBackThroughOk) {
    const StoredSize& size = GetParam();
    const std::string path = m_scratch.Path() + "stored log.txt";
    SetLogging(size.outputLog, path, size.stored);
    ASSERT_NO_FATAL_FAILURE(Open());
    ExpectShown(size.outputLog, path, size.shown);
    ExpectDependentFieldsEnabled(size.outputLog);
    ASSERT_TRUE(CloseDialog(m_dialog, kOkButton));
    CloseEditor();
    ExpectStored(size.outputLog, path, size.storedBack);
}

INSTANTIATE_TEST_SUITE_P(Limits, StoredSettings, testing::ValuesIn(kStoredSizes),
                         testdriver::CaseName());

// What is typed into the size field and the limit in bytes OK stores for it.
struct TypedSize : testdriver::NamedCase {
    const char* typed;
    const char* stored;
};

const TypedSize kTypedSizes[] = {
    {"Cleared", "", "0"},
    {"LargestThatFits", "4194303", "4294966272"},
    {"FirstThatDoesNotFit", "4194304", "4294967295"},
    {"FarPast32Bits", "99999999999", "4294967295"},
    {"DigitsBeforeOtherText", "12 KB", "12288"},
};

class TypedSizes : public LogOptions, public testing::WithParamInterface<TypedSize> {};

TEST_P(TypedSizes, AreStoredInBytesAtExit) {
    SetLogging(true, m_scratch.Path() + "log.txt", "65536");
    ASSERT_NO_FATAL_FAILURE(Open());
    ASSERT_TRUE(SetEditText(Item(kMaxLogSize), GetParam().typed));
    ASSERT_TRUE(CloseDialog(m_dialog, kOkButton));
    CloseEditor();
    EXPECT_EQ(Stored("nMaxLogSize"), std::string(GetParam().stored));
}

INSTANTIATE_TEST_SUITE_P(Limits, TypedSizes, testing::ValuesIn(kTypedSizes),
                         testdriver::CaseName());

// Switched off by OK, logging stops for the run that was logging: neither the old path nor the new
// one gets a log, and the disabled fields are stored all the same.
TEST_F(LogOptions, CheckBoxSwitchesTheFieldsThatDependOnItAndOkStoresThemAnyway) {
    const std::string logging = m_scratch.Path() + "log.txt";
    SetLogging(true, logging, "65536");
    ASSERT_NO_FATAL_FAILURE(Open());
    ASSERT_NO_FATAL_FAILURE(ClickCheckBox(BST_UNCHECKED));
    ExpectDependentFieldsEnabled(false);
    EXPECT_TRUE(IsEnabled(Item(IDOK)));
    EXPECT_TRUE(IsEnabled(Item(IDCANCEL)));
    ASSERT_NO_FATAL_FAILURE(ClickCheckBox(BST_CHECKED));
    ExpectDependentFieldsEnabled(true);
    ASSERT_NO_FATAL_FAILURE(ClickCheckBox(BST_UNCHECKED));
    ExpectDependentFieldsEnabled(false);
    const std::string path = m_scratch.Path() + "elsewhere.txt";
    ASSERT_TRUE(SetEditText(Item(kLogPath), path));
    ASSERT_TRUE(SetEditText(Item(kMaxLogSize), "2"));
    ASSERT_TRUE(CloseDialog(m_dialog, kOkButton));
    CloseEditor();
    ExpectStored(false, path, "2048");
    EXPECT_FALSE(ReadFileBytes(path)) << "a log was written with logging off";
    EXPECT_FALSE(ReadFileBytes(logging)) << "a log was written with logging off";
}

// Each way of leaving the dialog without OK in turn, in one run.
TEST_F(LogOptions, DismissingChangesNothing) {
    const std::string path = m_scratch.Path() + "kept.txt";
    SetLogging(true, path, "1500");
    ASSERT_NO_FATAL_FAILURE(Open());
    for (const DialogExit& way : {kCancelButton, kEscapeKey, kCloseBox}) {
        SCOPED_TRACE(way.name);
        ASSERT_NO_FATAL_FAILURE(ClickCheckBox(BST_UNCHECKED));
        ASSERT_TRUE(SetEditText(Item(kLogPath), m_scratch.Path() + "changed.txt"));
        ASSERT_TRUE(SetEditText(Item(kMaxLogSize), "7"));
        ASSERT_TRUE(CloseDialog(m_dialog, way));
        // The same run still has the settings it started with...
        ASSERT_NO_FATAL_FAILURE(ReopenDialog(kLogOptions));
        ExpectShown(true, path, "1");
    }
    ASSERT_TRUE(CloseDialog(m_dialog, kCancelButton));
    CloseEditor();
    // ...stores them unchanged (the limit in bytes as it was loaded) and writes its log by them.
    ExpectStored(true, path, "1500");
    EXPECT_TRUE(ReadFileBytes(path)) << "no log written";
}

TEST_F(LogOptions, OkWithLoggingOnWritesTheLogOfTheSameRun) {
    const std::string path = m_scratch.Path() + "switched on.txt";
    SetLogging(false, "", "65536");
    ASSERT_NO_FATAL_FAILURE(Open());
    ASSERT_NO_FATAL_FAILURE(ClickCheckBox(BST_CHECKED));
    ASSERT_TRUE(SetEditText(Item(kLogPath), path));
    ASSERT_TRUE(SetEditText(Item(kMaxLogSize), "32"));
    ASSERT_TRUE(CloseDialog(m_dialog, kOkButton));
    // Opened again, the dialog shows the settings as they now are.
    ASSERT_NO_FATAL_FAILURE(ReopenDialog(kLogOptions));
    ExpectShown(true, path, "32");
    ASSERT_TRUE(CloseDialog(m_dialog, kOkButton));
    CloseEditor();
    ExpectStored(true, path, "32768");
    EXPECT_TRUE(HasConsecutive(
        LogFileEntries(path),
        {"Tools->Log Options clicked.", "Creating COptionsDialog.", "COptionsDialog created.",
         "Calling COptionsDialog.DoModal().", "COptionsDialog::OnInitDialog() beginning.",
         "COptionsDialog.DoModal() returned.", "Tools->Log Options clicked."}));
}

TEST_F(LogOptions, LimitSetInTheDialogGovernsTheSameRunsLog) {
    const std::string earlier = "an earlier run\r\n";
    const std::string path = m_scratch.Write("limited.txt", earlier);
    SetLogging(true, path, "65536");
    ASSERT_NO_FATAL_FAILURE(Open());
    ASSERT_TRUE(SetEditText(Item(kMaxLogSize), "0"));
    ASSERT_TRUE(CloseDialog(m_dialog, kOkButton));
    CloseEditor();
    const auto content = ReadFileBytes(path);
    ASSERT_TRUE(content) << "the run wrote no log";
    EXPECT_EQ(content->find(earlier), std::string::npos) << "the file was not emptied first";
    EXPECT_EQ(content->rfind("[Zembra version 1.0 started at ", 0), 0u) << *content;
}

class Browse : public LogOptions {
protected:
    // Clicks Browse and waits for the file dialog it opens into m_files.
    void OpenFileDialog() {
        ASSERT_TRUE(Click(Item(kBrowse)));
        m_files = WaitForFileDialog(Program(), kWindowLimit);
        ASSERT_NE(m_files, nullptr) << "no file dialog";
    }

    // The path field once it reads expected, within the time limit; what it reads otherwise.
    std::string PathBecomes(const std::string& expected) {
        WaitUntil([&] { return Text(kLogPath) == expected; }, kWindowLimit);
        return Text(kLogPath);
    }

    HWND m_files = nullptr;
};

// The file dialog's controls: the file type list and the file name box.
constexpr int kFileTypes = 0x470;
constexpr int kFileName = 1148;

// In one run: the dialog, cancelled, keeps the path; a name without extension gets ".txt"; an
// existing file is taken without a question.
TEST_F(Browse, IsASaveDialogForTextFilesThatCancelsAddsTxtAndTakesAnExistingFile) {
    const std::string current = m_scratch.Path() + "current.txt";
    const std::string existing = m_scratch.Write("existing.txt", std::string("earlier runs\r\n"));
    SetLogging(true, current, "65536");
    ASSERT_NO_FATAL_FAILURE(Open());
    ASSERT_NO_FATAL_FAILURE(OpenFileDialog());
    EXPECT_EQ(GetWindow(m_files, GW_OWNER), m_dialog);
    EXPECT_EQ(TextOf(m_files), std::string("Select Output File"));
    EXPECT_EQ(TextOf(FindControl(m_files, IDOK, "Button")), std::string("&Save"));
    EXPECT_EQ(TextOf(FindControl(m_files, kFileName, "Edit")), std::string("current.txt"));
    EXPECT_EQ(ComboItems(FindControl(m_files, kFileTypes, "ComboBox")),
              (std::vector<std::string>{"Text Files (*.txt)", "All Files (*.*)"}));
    Settle(m_files);
    EXPECT_FALSE(SaveScreenshot(m_files, "log-options-browse").empty());
    ASSERT_TRUE(CancelFileDialog(m_files));
    ASSERT_TRUE(WaitUntilGone(m_files, kWindowLimit));
    Settle(m_dialog);
    EXPECT_EQ(Text(kLogPath), current);

    ASSERT_NO_FATAL_FAILURE(OpenFileDialog());
    ASSERT_TRUE(ChooseFile(m_files, m_scratch.Path() + "chosen"));
    EXPECT_EQ(PathBecomes(m_scratch.Path() + "chosen.txt"), m_scratch.Path() + "chosen.txt");

    ASSERT_NO_FATAL_FAILURE(OpenFileDialog());
    ASSERT_TRUE(ChooseFile(m_files, existing));
    EXPECT_EQ(PathBecomes(existing), existing);
    EXPECT_TRUE(VisibleBoxes(Program().Id()).empty()) << "the dialog asked a question";
    ASSERT_TRUE(CloseDialog(m_dialog, kOkButton));
    CloseEditor();
    EXPECT_EQ(Stored("LogPath"), existing);
}

} // namespace
