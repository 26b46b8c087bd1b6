#pragma once
// The editor as the end-to-end tests use it: started with or without a document, its frame found,
// menu commands run on it, its dialogs opened and left, and closed as a person closes it. The log
// lines a run leaves are read back from its log file.

#include "tests/driver/Process.h"
#include "tests/driver/core/NamedCase.h"
#include "tests/e2e/E2e.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace e2e {

// How long a window may take to appear or to go, and the editor to end once asked.
inline constexpr testdriver::milliseconds kWindowLimit{10000};

// The editor's menu commands.
inline constexpr UINT kFileOpen = 0xE101;
inline constexpr UINT kFileSave = 0xE103;
inline constexpr UINT kFileSaveAs = 0xE104;
inline constexpr UINT kLogOptions = 40002;
inline constexpr UINT kAbout = 40003;
inline constexpr UINT kHelpContents = 40004;

// The controls of the editor's form.
inline constexpr int kCaption = 1000;
inline constexpr int kText = 1001;
inline constexpr int kIcon = 1002;
inline constexpr int kButton = 1003;
inline constexpr int kDefButton = 1004;
inline constexpr int kModal = 1005;
inline constexpr int kGenerate = 1006;
inline constexpr int kTest = 1010;
inline constexpr int kButtonsAndTime = 1011;

class EditorSession {
public:
    // Starts the program at programPath (Windows form), followed by arguments when there are any,
    // and waits for its frame; the test fails when no frame appears.
    explicit EditorSession(const std::string& programPath, const std::string& arguments = {});
    // The same with a command line in UTF-16 (a document of any script), the program's output
    // going to output.
    EditorSession(const std::wstring& commandLine, testdriver::CapturedOutput& output);

    testdriver::Process& Program() { return m_program; }
    HWND Frame() const { return m_frame; }

    // Runs the menu command and returns the dialog it shows (any caption); nullptr when none
    // appears in time.
    HWND OpenDialog(UINT command);

    // Closes the frame as its close box does and returns the exit code; nothing when the program
    // does not end in time.
    std::optional<DWORD> Close();

private:
    void WaitForFrame();

    testdriver::Process m_program;
    HWND m_frame = nullptr;
};

// A way a person leaves a dialog, named as the cases that take it are.
struct DialogExit : testdriver::NamedCase {
    bool (*take)(HWND dialog);
};

extern const DialogExit kOkButton;
extern const DialogExit kCancelButton;
extern const DialogExit kEnterKey;
extern const DialogExit kEscapeKey;
extern const DialogExit kCloseBox;

// Closes the dialog with Cancel, or OK where there is none, or the way given; true once it has
// gone.
bool CloseDialog(HWND dialog);
bool CloseDialog(HWND dialog, const DialogExit& way);

// A test of the editor, started when the test asks, after setting what the run should start with.
class EditorRunTest : public ZembraTest {
protected:
    // Starts the editor with arguments and keeps its frame; a fatal failure when none appears.
    void StartEditor(const std::string& arguments = {});
    testdriver::Process& Program() { return m_editor->Program(); }
    // Closes the editor, which must end with 0 without asking anything.
    void CloseEditor() { EXPECT_EQ(m_editor->Close(), DWORD(0)); }

    std::optional<EditorSession> m_editor;
    HWND m_frame = nullptr;
};

// A test of one dialog of the editor, opened by its menu command.
class EditorDialogTest : public EditorRunTest {
protected:
    // Starts the editor and opens the dialog of command; a fatal failure when either is missing.
    void OpenEditorDialog(UINT command);
    // Opens the dialog of command again in the same run.
    void ReopenDialog(UINT command);
    // Closes the dialog as CloseDialog does and then the editor, which must end with 0.
    void CloseEditorDialog();

    HWND m_dialog = nullptr;
};

// Waits until the window's thread has handled everything queued before this call and nothing of
// the window or its controls waits to be painted, so that what is read or photographed next is
// what it shows.
void Settle(HWND window);

// The entries of a log file ("hh:mm:ss-> text" lines), their texts in order.
std::vector<std::string> LogEntries(const std::string& content);
// The entries of the log file at path; the test fails when there is no such file.
std::vector<std::string> LogFileEntries(const std::string& path);

// Success when expected appears among entries as one unbroken run, in order.
testing::AssertionResult HasConsecutive(const std::vector<std::string>& entries,
                                        const std::vector<std::string>& expected);

} // namespace e2e
