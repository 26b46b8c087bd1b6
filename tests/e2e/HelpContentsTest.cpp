// Help, Contents in the running editor: the help page beside the program is handed to the shell,
// which opens it maximised with the program registered for web pages; without the page the
// failure is logged, and whatever the shell shows on the way is answered.

#include "tests/driver/Input.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Window.h"
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"
#include "tests/e2e/FileHandler.h"

#include <algorithm>
#include <sstream>

using namespace e2e;
using namespace testdriver;

namespace {

class HelpContents : public ZembraTest {
protected:
    // Logs the run into the scratch folder; returns the log's path.
    std::string LogToScratch() {
        const std::string path = m_scratch.Path() + "help log.txt";
        SetLogging(true, path, "65536");
        return path;
    }
};

// The file once it exists, within kWindowLimit.
std::optional<std::string> WaitForFile(const std::string& path) {
    WaitUntil([&] { return ReadFileBytes(path).has_value(); }, kWindowLimit);
    return ReadFileBytes(path);
}

TEST_F(HelpContents, PageBesideTheProgramIsOpenedMaximised) {
    const std::string page = ZembraFolder() + "Help.htm";
    ASSERT_TRUE(ReadFileBytes(page)) << "the build put no help page beside the program";
    const std::string record = m_scratch.Path() + "opened.txt";
    const TemporaryFileHandler handler(".htm", QuoteArgument(WindowsPathOf(ZEMBRA_SHOWPROBE_PATH)) +
                                                   " " + QuoteArgument(record) + " \"%1\"");
    const std::string log = LogToScratch();

    EditorSession editor(ZembraPath());
    ASSERT_TRUE(InvokeCommand(editor.Frame(), kHelpContents));
    const auto opened = WaitForFile(record);
    ASSERT_TRUE(opened) << "the shell started nothing for the page";
    std::istringstream lines(*opened);
    std::string commandLine, document, show;
    std::getline(lines, commandLine);
    std::getline(lines, document);
    std::getline(lines, show);
    EXPECT_EQ(document, page) << commandLine;
    EXPECT_EQ(show, std::to_string(SW_SHOWMAXIMIZED));

    EXPECT_EQ(editor.Close(), DWORD(0));
    EXPECT_TRUE(editor.Program().WaitForProcessTree(kWindowLimit));
    EXPECT_TRUE(HasConsecutive(LogFileEntries(log),
                               {"Help->Contents clicked.", "Help file opened successfully."}));
}

TEST_F(HelpContents, MissingPageIsLoggedAsAFailure) {
    // The program alone in a folder of its own, recorded as the installation.
    const std::string program = m_scratch.Path() + "Zembra.exe";
    ASSERT_TRUE(CopyFileA(ZembraPath().c_str(), program.c_str(), TRUE));
    ASSERT_FALSE(ReadFileBytes(m_scratch.Path() + "Help.htm"));
    WriteInstallationRecord(m_scratch.Path(), "1.0");
    const std::string log = LogToScratch();

    {
        EditorSession editor(program);
        ASSERT_TRUE(InvokeCommand(editor.Frame(), kHelpContents));
        // The shell may tell the user itself; its box is the shell's, answered here so that the
        // editor goes on.
        if (HWND box = WaitForBox(editor.Program(), kWindowLimit)) {
            EXPECT_TRUE(PressButton(box, IDOK));
        }
        EXPECT_EQ(editor.Close(), DWORD(0));
        EXPECT_TRUE(editor.Program().WaitForProcessTree(kWindowLimit));
    }
    const auto entries = LogFileEntries(log);
    EXPECT_TRUE(HasConsecutive(entries, {"Help->Contents clicked.",
                                         "ShellRun() failed.  Help file could not be opened."}));
    EXPECT_EQ(std::count(entries.begin(), entries.end(), "Help file opened successfully."), 0);
}

} // namespace
