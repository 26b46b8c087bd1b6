// Every way out of a run ends with its exit code, and the log file holds the closing lines of
// every object the run made, in the order they ended, up to the application's own last line.

#include "tests/driver/Control.h"
#include "tests/driver/Input.h"
#include "tests/driver/Window.h"
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"

using namespace e2e;
using namespace testdriver;

namespace {

using Strings = std::vector<std::string>;

Strings Joined(std::initializer_list<Strings> parts) {
    Strings all;
    for (const Strings& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Strings kObjectsEnd = {
    "CZembraView object being destroyed.",       "CZembraView object destroyed.",
    "CZembraFrame object being destroyed.",      "CZembraFrame object destroyed.",
    "CZembraDocument() object being destroyed.", "CZembraDocument() object destroyed."};
const Strings kFrameDestroyed = {"Calling SaveWindowPlacement().",
                                 "SaveWindowPlacement() returned.",
                                 "CFrameWnd::OnDestroy() returned."};
const Strings kEditorExit = {
    "CZembra::ExitInstance() beginning.", "Calling m_LogFileSettings.Save().",
    "m_LogFileSettings.Save() returned.", "CZembra::ExitInstance() succeeded.",
    "CZembra object being destroyed.  Flushing log."};

class WaysOut : public EditorRunTest {
protected:
    // The entries the run left in its log file end with closing, after which nothing follows.
    void ExpectLogEndsWith(const Strings& closing) {
        const Strings entries = LogFileEntries(m_log);
        ASSERT_GE(entries.size(), closing.size());
        EXPECT_EQ(
            Strings(entries.end() - static_cast<std::ptrdiff_t>(closing.size()), entries.end()),
            closing);
    }
    const std::string m_log = m_scratch.Path() + "ways out.txt";

    void SetUp() override { SetLogging(true, m_log, "65536"); }
};

TEST_F(WaysOut, ExitFromTheFileMenu) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    ASSERT_TRUE(InvokeCommand(m_frame, 0xE141)); // ID_APP_EXIT
    EXPECT_EQ(ExitCode(Program()), 0u);
    ExpectLogEndsWith(Joined({kFrameDestroyed, kObjectsEnd, kEditorExit}));
}

TEST_F(WaysOut, TheCloseBox) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    CloseEditor();
    ExpectLogEndsWith(Joined({kFrameDestroyed, kObjectsEnd, kEditorExit}));
}

// The quit message ends the loop with the frame still there: its OnDestroy does not run and
// the placement is not stored, but the objects end before the application does.
TEST_F(WaysOut, Generate) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    ASSERT_TRUE(Click(FindControl(m_frame, kGenerate)));
    EXPECT_EQ(Answer(Program(), IDOK), 0u);
    ExpectLogEndsWith(Joined({{"CZembraView::OnGenerate() ended."}, kObjectsEnd, kEditorExit}));
}

// A document that cannot be opened at start leaves no window: start-up ends as a failed start.
TEST_F(WaysOut, AStartWhoseDocumentCannotBeOpened) {
    Process zembra = StartZembra("\"" + m_scratch.Path() + "missing.zembra\"");
    for (int box = 0; box < 2; ++box) {
        ASSERT_NO_FATAL_FAILURE(ReadShownBox(zembra));
        ASSERT_TRUE(PressButton(m_box, IDOK));
        ASSERT_TRUE(WaitUntilGone(m_box, kBoxLimit));
    }
    EXPECT_EQ(ExitCode(zembra), 0u);
    ExpectLogEndsWith(Joined({{"Error:\\nProcessShellCommmand() failed.\\nInvalid parameters.",
                               "CZembra::InitInstance() returning false."},
                              kObjectsEnd,
                              kEditorExit}));
}

TEST_F(WaysOut, RunMode) {
    Process zembra = StartRun(m_scratch.Write("run.zembra", Document("Run", "", 0x2000)));
    EXPECT_EQ(Answer(zembra, IDOK), 1u);
    ExpectLogEndsWith(
        {"File run.", "CZembra::InitInstance() returning false.\\n(Don't start editor).",
         "CZembra::ExitInstance() beginning.", "Calling m_LogFileSettings.Save().",
         "m_LogFileSettings.Save() returned.",
         "CZembra::ExitInstance() returning message box value.", "Returning m_nReturnValue = 1",
         "CZembra object being destroyed.  Flushing log."});
}

} // namespace
