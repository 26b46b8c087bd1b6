// Text and paths in any script, end to end: zembra-cli writes a document into a folder named in
// Cyrillic, Zembra runs it from there and shows its box, the editor opens it (its title, its
// fields), saves it unchanged, names it in its save question, and zembra-cli shows it. A text the
// ANSI code page holds keeps its narrow record.

#include "tests/driver/Control.h"
#include "tests/driver/Files.h"
#include "tests/driver/Input.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Registry.h"
#include "tests/driver/Screenshot.h"
#include "tests/driver/Window.h"
#include "tests/e2e/EditorSession.h"
#include "tests/e2e/FileHandler.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <memory>

using e2e::Narrowed;
using e2e::Widen;
using testdriver::CapturedOutput;
using testdriver::Process;

namespace {

// The Log Options dialog's path field.
constexpr int kLogPathField = 1001;

std::wstring Quoted(const std::wstring& text) {
    return L"\"" + text + L"\"";
}

// Makes text the clipboard's Unicode text.
bool PutOnClipboard(const std::wstring& text) {
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    const std::size_t size = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    bool placed = false;
    if (memory != nullptr) {
        std::memcpy(GlobalLock(memory), text.c_str(), size);
        GlobalUnlock(memory);
        // The clipboard owns the memory once it has taken it.
        placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!placed)
            GlobalFree(memory);
    }
    CloseClipboard();
    return placed;
}

// A folder named in Cyrillic in the scratch folder, removed with what the test left in it (the
// scratch folder's own removal goes through the ANSI functions, which cannot name it).
class CyrillicFolder {
public:
    explicit CyrillicFolder(const std::string& parent)
        : m_path(Widen(parent) + L"\u041a\u0438\u0440\u0438\u043b\u043b\u0438\u0446\u0430\\") {
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~CyrillicFolder() {
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((m_path + L"*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileW((m_path + found.cFileName).c_str());
            while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(m_path.c_str());
    }
    CyrillicFolder(const CyrillicFolder&) = delete;
    CyrillicFolder& operator=(const CyrillicFolder&) = delete;

    const std::wstring& Path() const { return m_path; }

private:
    std::wstring m_path;
};

class AnyLanguage : public e2e::ZembraTest {
protected:
    // Runs a command line to its end and returns the exit code; the output stays in m_output.
    DWORD RunToEnd(const std::wstring& commandLine) {
        Process program = Process::Start(commandLine, Output());
        const std::optional<DWORD> code = program.WaitForExit(e2e::kExitLimit);
        EXPECT_TRUE(code) << Narrowed(commandLine) << " did not end";
        return code.value_or(Process::kTerminatedExitCode);
    }

    static std::wstring Cli() { return Quoted(Widen(testdriver::WindowsPathOf(ZEMBRA_CLI_PATH))); }
    static std::wstring Zembra() { return Quoted(Widen(e2e::ZembraPath())); }

    // A new capture for the next program.
    CapturedOutput& Output() {
        m_output = std::make_unique<CapturedOutput>();
        return *m_output;
    }

    std::unique_ptr<CapturedOutput> m_output;
};

} // namespace

TEST_F(AnyLanguage, DocumentInACyrillicFolderIsRunEditedSavedAndShownWithItsText) {
    const struct {
        std::wstring name;
        std::wstring caption;
        std::wstring text;
        // The caption's record as it lies at offset 12 of the file.
        std::string captionRecord;
        // The pictures of the box and the editor, for a reviewer (a square for a character means
        // the session has no font for it).
        std::string picture;
    } cases[] = {
        {L"\u039c\u03ae\u03bd\u03c5\u03bc\u03b1.zembra", L"\u518d\u8d77\u52d5 \u2713",
         L"\u0393\u03b5\u03b9\u03ac \u03c3\u03bf\u03c5, \u03ba\u03cc\u03c3\u03bc\u03b5",
         // The wide record: its marker, five units, UTF-16LE.
         std::string("\xff\xfe\xff\x05\x8d\x51\x77\x8d\xd5\x52\x20\x00\x13\x27", 14),
         "any-language-wide"},
        {L"Gr\u00fc\u00dfe.zembra", L"Gr\u00fc\u00dfe", L"Sch\u00f6ne Gr\u00fc\u00dfe",
         std::string("\x05Gr\xfc\xdf"
                     "e"),
         "any-language-narrow"},
    };
    const CyrillicFolder folder(m_scratch.Path());
    // The program itself lies there too, and the installation record names that folder: the
    // installation check finds it the same (no warning comes before the document's box).
    const std::wstring program = Quoted(folder.Path() + L"Zembra.exe");
    ASSERT_TRUE(CopyFileW(Widen(e2e::ZembraPath()).c_str(), (folder.Path() + L"Zembra.exe").c_str(),
                          FALSE));
    ASSERT_TRUE(
        testdriver::SetWideString(HKEY_LOCAL_MACHINE, e2e::kProductKey, "Path", folder.Path()));
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrowed(c.name));
        const std::wstring path = folder.Path() + c.name;
        ASSERT_EQ(RunToEnd(Cli() + L" new " + Quoted(path) + L" --caption " + Quoted(c.caption) +
                           L" --text " + Quoted(c.text)),
                  0u)
            << m_output->Err();
        const std::optional<std::string> written = testdriver::ReadFileBytes(path);
        ASSERT_TRUE(written);
        EXPECT_EQ(written->substr(12, c.captionRecord.size()), c.captionRecord);

        // Run from its folder: the box says what the document says.
        {
            Process run =
                Process::Start(program + L" RUN " + Quoted(path), Output(), folder.Path());
            ASSERT_NO_FATAL_FAILURE(ReadShownBox(run));
            EXPECT_EQ(m_contents->wideCaption, c.caption);
            EXPECT_EQ(m_contents->wideText, c.text);
            testdriver::SaveScreenshot(m_box, c.picture + "-box");
            EXPECT_EQ(Answer(run, IDOK), 1u);
        }

        // Opened through the Edit verb's command line: the title names the file, the fields
        // hold the exact text, and a save without change writes the same bytes.
        {
            e2e::EditorSession editor(program + L" " + Quoted(path), Output());
            ASSERT_NE(editor.Frame(), nullptr);
            e2e::Settle(editor.Frame());
            EXPECT_EQ(testdriver::WideTextOf(editor.Frame()), L"Zembra - " + c.name);
            const HWND caption = testdriver::FindControl(editor.Frame(), e2e::kCaption);
            const HWND text = testdriver::FindControl(editor.Frame(), e2e::kText);
            EXPECT_EQ(testdriver::WideTextOf(caption), c.caption);
            EXPECT_EQ(testdriver::WideTextOf(text), c.text);
            testdriver::SaveScreenshot(editor.Frame(), c.picture + "-editor");
            ASSERT_TRUE(testdriver::InvokeCommand(editor.Frame(), e2e::kFileSave));
            e2e::Settle(editor.Frame());
            EXPECT_EQ(testdriver::ReadFileBytes(path), written);

            // Typed where the caret is (the field's start), a character beyond the code page is
            // kept and marks a change, which the question on closing names by the whole path.
            ASSERT_TRUE(testdriver::TypeWideText(caption, L"\u2714"));
            e2e::Settle(editor.Frame());
            EXPECT_EQ(testdriver::WideTextOf(caption), L"\u2714" + c.caption);
            // Pasted as a person pastes, the clipboard's Unicode text arrives whole.
            const std::wstring pasted = L"\u041f\u0440\u0438\u0432\u0435\u0442 \u4e16\u754c ";
            ASSERT_TRUE(PutOnClipboard(pasted));
            ASSERT_TRUE(PostMessageW(text, WM_PASTE, 0, 0));
            e2e::Settle(editor.Frame());
            EXPECT_EQ(testdriver::WideTextOf(text), pasted + c.text);
            ASSERT_TRUE(testdriver::AskToClose(editor.Frame()));
            ASSERT_NO_FATAL_FAILURE(ReadShownBox(editor.Program()));
            EXPECT_EQ(m_contents->wideText, L"Save changes to " + path + L"?");
            EXPECT_TRUE(testdriver::PressButton(m_box, IDNO));
            EXPECT_EQ(ExitCode(editor.Program()), 0u);
            EXPECT_EQ(testdriver::ReadFileBytes(path), written);
        }

        ASSERT_EQ(RunToEnd(Cli() + L" show --json " + Quoted(path)), 0u) << m_output->Err();
        const std::string shown = m_output->Out();
        EXPECT_NE(shown.find("\"caption\": \"" + Narrowed(c.caption) + "\""), std::string::npos)
            << shown;
        EXPECT_NE(shown.find("\"text\": \"" + Narrowed(c.text) + "\""), std::string::npos) << shown;
    }
}

TEST_F(AnyLanguage, MessageNamesAFileOfAnyScriptAndTheLogFileNamesWhatItsCodePageLacks) {
    const CyrillicFolder folder(m_scratch.Path());
    // The log file itself lies in the Cyrillic folder, its path a wide string as the editor's
    // options store it.
    SetLogging(true, "", "65536");
    const std::wstring logPath = folder.Path() + L"Log.txt";
    ASSERT_TRUE(testdriver::SetWideString(HKEY_CURRENT_USER, e2e::kProductKey, "LogPath", logPath));

    const std::wstring missing =
        folder.Path() + L"\u0395\u03bb\u03bb\u03ac\u03b4\u03b1 \u2713.zembra";
    Process run = Process::Start(Zembra() + L" RUN " + Quoted(missing), Output());
    ASSERT_NO_FATAL_FAILURE(ReadShownBox(run));
    EXPECT_EQ(m_contents->wideText.rfind(L"Could not load file.\n" + missing + L"\n", 0), 0u)
        << Narrowed(m_contents->wideText);
    EXPECT_EQ(Answer(run, IDOK), 0u);

    const std::string inCodePage = m_scratch.Path() +
                                   "<U+041A><U+0438><U+0440><U+0438><U+043B><U+043B><U+0438>"
                                   "<U+0446><U+0430>\\<U+0395><U+03BB><U+03BB><U+03AC><U+03B4>"
                                   "<U+03B1> <U+2713>.zembra";
    const std::vector<std::string> entries =
        e2e::LogEntries(testdriver::ReadFileBytes(logPath).value_or(""));
    ASSERT_FALSE(entries.empty()) << "the run wrote no log";
    EXPECT_TRUE(std::any_of(entries.begin(), entries.end(),
                            [&](const std::string& entry) {
                                return entry.rfind("Could not load file.\\n" + inCodePage + "\\n",
                                                   0) == 0;
                            }))
        << "no entry names " << inCodePage;
}

TEST_F(AnyLanguage, LogOptionsShowAndKeepALogPathOfAnyScript) {
    const CyrillicFolder folder(m_scratch.Path());
    const std::wstring logPath = folder.Path() + L"\u65e5\u8a8c \u2713.txt";
    SetLogging(false, "", "65536");
    ASSERT_TRUE(testdriver::SetWideString(HKEY_CURRENT_USER, e2e::kProductKey, "LogPath", logPath));
    e2e::EditorSession editor(Zembra(), Output());
    ASSERT_NE(editor.Frame(), nullptr);
    const HWND dialog = editor.OpenDialog(e2e::kLogOptions);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(testdriver::WideTextOf(testdriver::FindControl(dialog, kLogPathField)), logPath);
    ASSERT_TRUE(e2e::CloseDialog(dialog, e2e::kOkButton));
    EXPECT_EQ(editor.Close(), 0u);
    // Saved at the end of the run as it was read, unit for unit.
    EXPECT_EQ(testdriver::GetWideString(HKEY_CURRENT_USER, e2e::kProductKey, "LogPath"), logPath);
}

TEST_F(AnyLanguage, TheShellOpensADocumentOfAnyScriptInRunMode) {
    const CyrillicFolder folder(m_scratch.Path());
    const std::wstring path = folder.Path() + L"\u0395\u03c1\u03ce\u03c4\u03b7\u03c3\u03b7.zembra";
    ASSERT_EQ(RunToEnd(Cli() + L" new " + Quoted(path) + L" --caption \u2713 --buttons yes-no"), 0u)
        << m_output->Err();
    // The file type's Open verb as the installer writes it: the program, RUN and the document.
    const e2e::TemporaryFileHandler handler(".zembra", "\"" + e2e::ZembraPath() + "\" RUN \"%1\"");
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    info.lpFile = path.c_str();
    info.nShow = SW_SHOWNORMAL;
    ASSERT_TRUE(ShellExecuteExW(&info));
    ASSERT_NE(info.hProcess, nullptr);
    const testdriver::OwnedHandle run(info.hProcess);
    // A run the test leaves behind (a failed check) is ended with it.
    struct EndedWithTheTest {
        HANDLE process;
        ~EndedWithTheTest() {
            if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
                TerminateProcess(process, Process::kTerminatedExitCode);
                WaitForSingleObject(process, 2000);
            }
        }
    } const ended{run.Get()};
    const HWND box = testdriver::WaitFor(
        [&]() -> HWND {
            const auto boxes = testdriver::VisibleBoxes(GetProcessId(run.Get()));
            return boxes.empty() ? nullptr : boxes.front();
        },
        e2e::kBoxLimit);
    ASSERT_NE(box, nullptr) << "the document's box did not appear";
    const auto contents = testdriver::ReadBox(box);
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->wideCaption, L"\u2713");
    EXPECT_TRUE(testdriver::PressButton(box, IDNO));
    ASSERT_EQ(WaitForSingleObject(run.Get(), static_cast<DWORD>(e2e::kExitLimit.count())),
              WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(run.Get(), &code);
    EXPECT_EQ(code, static_cast<DWORD>(IDNO));
}
