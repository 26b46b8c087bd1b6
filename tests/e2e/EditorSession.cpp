#include "tests/e2e/EditorSession.h"

#include "tests/driver/Control.h"
#include "tests/driver/Input.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Window.h"

#include <algorithm>
#include <regex>
#include <sstream>

namespace e2e {

namespace {

const char* const kFrameClass = "FrameWindow";

} // namespace

EditorSession::EditorSession(const std::string& programPath, const std::string& arguments)
    : m_program(testdriver::Process::Start(testdriver::QuoteArgument(programPath) +
                                           (arguments.empty() ? "" : " " + arguments))) {
    WaitForFrame();
}

EditorSession::EditorSession(const std::wstring& commandLine, testdriver::CapturedOutput& output)
    : m_program(testdriver::Process::Start(commandLine, output)) {
    WaitForFrame();
}

void EditorSession::WaitForFrame() {
    m_frame = testdriver::WaitForWindow(m_program, kFrameClass, "", kWindowLimit);
    EXPECT_NE(m_frame, nullptr) << "the editor's frame did not appear";
}

HWND EditorSession::OpenDialog(UINT command) {
    if (!testdriver::InvokeCommand(m_frame, command))
        return nullptr;
    HWND dialog = testdriver::WaitForDialog(m_program, "", kWindowLimit);
    if (dialog)
        Settle(dialog);
    return dialog;
}

std::optional<DWORD> EditorSession::Close() {
    if (!testdriver::AskToClose(m_frame))
        return std::nullopt;
    return m_program.WaitForExit(kWindowLimit);
}

bool CloseDialog(HWND dialog) {
    const HWND cancel = testdriver::FindControl(dialog, IDCANCEL);
    return testdriver::Click(cancel ? cancel : testdriver::FindControl(dialog, IDOK)) &&
           testdriver::WaitUntilGone(dialog, kWindowLimit);
}

bool CloseDialog(HWND dialog, const DialogExit& way) {
    return way.take(dialog) && testdriver::WaitUntilGone(dialog, kWindowLimit);
}

namespace {

bool PressOk(HWND dialog) {
    return testdriver::Click(testdriver::FindControl(dialog, IDOK));
}

bool PressCancel(HWND dialog) {
    return testdriver::Click(testdriver::FindControl(dialog, IDCANCEL));
}

bool PressEnter(HWND dialog) {
    return testdriver::PressKey(dialog, VK_RETURN);
}

bool PressEscape(HWND dialog) {
    return testdriver::PressKey(dialog, VK_ESCAPE);
}

} // namespace

const DialogExit kOkButton{"OkButton", PressOk};
const DialogExit kCancelButton{"CancelButton", PressCancel};
const DialogExit kEnterKey{"EnterKey", PressEnter};
const DialogExit kEscapeKey{"EscapeKey", PressEscape};
const DialogExit kCloseBox{"CloseBox", testdriver::AskToClose};

void EditorRunTest::StartEditor(const std::string& arguments) {
    m_editor.emplace(ZembraPath(), arguments);
    m_frame = m_editor->Frame();
    ASSERT_NE(m_frame, nullptr);
}

void EditorDialogTest::OpenEditorDialog(UINT command) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    ReopenDialog(command);
}

void EditorDialogTest::ReopenDialog(UINT command) {
    m_dialog = m_editor->OpenDialog(command);
    ASSERT_NE(m_dialog, nullptr) << "the dialog did not open";
}

void EditorDialogTest::CloseEditorDialog() {
    EXPECT_TRUE(CloseDialog(m_dialog));
    CloseEditor();
}

namespace {

// The window's thread has handled everything sent or posted to it before this call.
void RoundTrip(HWND window) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored);
}

BOOL CALLBACK FindUnpainted(HWND child, LPARAM unpainted) {
    if (!GetUpdateRect(child, nullptr, FALSE))
        return TRUE;
    *reinterpret_cast<bool*>(unpainted) = true;
    return FALSE;
}

// Part of the window or one of its controls is still waiting to be painted.
bool HasUnpaintedPart(HWND window) {
    bool unpainted = GetUpdateRect(window, nullptr, FALSE) != FALSE;
    if (!unpainted)
        EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    return unpainted;
}

} // namespace

void Settle(HWND window) {
    RoundTrip(window);
    testdriver::WaitUntil([window] { return !HasUnpaintedPart(window); }, kWindowLimit);
    // The last paint has returned, not only begun.
    RoundTrip(window);
}

std::vector<std::string> LogEntries(const std::string& content) {
    static const std::regex kEntry(R"(\d\d:\d\d:\d\d-> (.*)\r?)");
    std::vector<std::string> entries;
    std::istringstream lines(content);
    std::string line;
    std::smatch match;
    while (std::getline(lines, line)) {
        if (std::regex_match(line, match, kEntry))
            entries.push_back(match[1].str());
    }
    return entries;
}

std::vector<std::string> LogFileEntries(const std::string& path) {
    const auto content = testdriver::ReadFileBytes(path);
    EXPECT_TRUE(content) << "the run wrote no log";
    return LogEntries(content.value_or(""));
}

testing::AssertionResult HasConsecutive(const std::vector<std::string>& entries,
                                        const std::vector<std::string>& expected) {
    const auto found =
        std::search(entries.begin(), entries.end(), expected.begin(), expected.end());
    if (found != entries.end())
        return testing::AssertionSuccess();
    testing::AssertionResult failure = testing::AssertionFailure();
    failure << "these lines are not in the log one after the other:";
    for (const std::string& line : expected)
        failure << "\n  " << line;
    failure << "\nthe log's entries:";
    for (const std::string& line : entries)
        failure << "\n  " << line;
    return failure;
}

} // namespace e2e
