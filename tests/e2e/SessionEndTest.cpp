// The Windows session ending while the editor runs, the test playing the system's part: it asks
// whether the session may end, tells the editor whether it does, and once "ending" has returned
// ends the process as Windows does, without the window being closed.

#include "tests/driver/Box.h"
#include "tests/driver/Control.h"
#include "tests/driver/FileDialog.h"
#include "tests/driver/Input.h"
#include "tests/driver/SystemEvents.h"
#include "tests/driver/Window.h"
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"

#include <cstring>

using namespace e2e;
using namespace testdriver;

namespace {

// No save question is expected.
constexpr int kNoQuestion = 0;
// Where the window is moved before the session ends, for the stored placement to show.
constexpr POINT kPlace = {187, 143};

struct Case {
    const char* name;
    bool titled;   // opened from its file rather than new
    bool modified; // the caption changed before the session ends
    int answer;    // pressed on the save question
    bool ends;     // the editor's answer to the query
};

const Case kCases[] = {
    {"unmodified: no question", true, false, kNoQuestion, true},
    {"Cancel keeps the editor running, still modified", true, true, IDCANCEL, false},
    {"No ends without saving", true, true, IDNO, true},
    {"Yes saves the file first", true, true, IDYES, true},
    {"Yes on a new document whose Save As is cancelled", false, true, IDYES, false},
};

// Where the stored placement puts the window's top-left corner; nothing without one.
std::optional<POINT> StoredPlace() {
    const auto value = ReadValue(HKEY_CURRENT_USER, kProductKey, "WindowPlacement");
    WINDOWPLACEMENT placement{};
    if (!value || value->data.size() != sizeof placement)
        return std::nullopt;
    std::memcpy(&placement, value->data.data(), sizeof placement);
    return POINT{placement.rcNormalPosition.left, placement.rcNormalPosition.top};
}

class SessionEnd : public EditorRunTest {};

} // namespace

TEST_F(SessionEnd, TheEditorKeepsTheUsersWorkAndEndsItsRunBeforeTheSystemEndsIt) {
    const Bytes before = e2e::Document("Before", "", 0x2000);
    const Bytes after = e2e::Document("After", "", 0x2000);
    int run = 0;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const std::string log = m_scratch.Path() + "session " + std::to_string(++run) + ".txt";
        SetLogging(true, log, "65536");
        DeleteValue(HKEY_CURRENT_USER, kProductKey, "WindowPlacement");
        const std::string path = m_scratch.Write("session.zembra", before);
        ASSERT_NO_FATAL_FAILURE(StartEditor(c.titled ? QuoteArgument(path) : ""));
        ASSERT_TRUE(MoveWindowTo(m_frame, kPlace.x, kPlace.y));
        if (c.modified) {
            ASSERT_TRUE(SetEditText(FindControl(m_frame, kCaption), "After"));
        }

        EndSessionQuery query(m_frame, kWindowLimit);
        if (c.answer != kNoQuestion) {
            ASSERT_NO_FATAL_FAILURE(ReadShownBox(Program())) << "no save question";
            EXPECT_EQ(m_contents->ButtonIds(), (std::vector<int>{IDYES, IDNO, IDCANCEL}));
            ASSERT_TRUE(PressButton(m_box, c.answer));
            if (!c.titled) {
                const HWND dialog = WaitForFileDialog(Program(), kWindowLimit);
                ASSERT_NE(dialog, nullptr) << "no Save As dialog";
                ASSERT_TRUE(CancelFileDialog(dialog));
            }
        }
        // A question left unanswered would hold the answer back.
        const std::optional<bool> ends = query.Answer(kWindowLimit);
        ASSERT_TRUE(ends.has_value()) << "the editor did not answer";
        EXPECT_EQ(*ends, c.ends);
        ASSERT_TRUE(EndSession(m_frame, *ends, kWindowLimit));

        if (!*ends) {
            // Nothing ended: the editor goes on with the change, and closing asks about it.
            EXPECT_TRUE(Program().IsRunning());
            EXPECT_EQ(WindowText(FindControl(m_frame, kCaption)), "After");
            ASSERT_TRUE(AskToClose(m_frame));
            EXPECT_EQ(Answer(Program(), IDNO), 0u) << "closing asked nothing";
            continue;
        }
        ASSERT_TRUE(Program().Terminate());
        const Bytes& saved = c.answer == IDYES ? after : before;
        EXPECT_EQ(ReadFileBytes(path), std::string(saved.begin(), saved.end()));
        const std::optional<POINT> place = StoredPlace();
        ASSERT_TRUE(place) << "no placement stored";
        EXPECT_EQ(place->x, kPlace.x);
        EXPECT_EQ(place->y, kPlace.y);
        // The log file holds the whole run up to the system's end of it.
        const std::string content = ReadFileBytes(log).value_or("");
        const std::vector<std::string> entries = LogEntries(content);
        EXPECT_TRUE(HasConsecutive(entries, {"CZembra::InitInstance() beginning."}));
        EXPECT_TRUE(HasConsecutive(entries, {"CZembraFrame::OnQueryEndSession() beginning.",
                                             "Calling CFrameWnd::OnQueryEndSession()."}));
        EXPECT_TRUE(HasConsecutive(
            entries,
            {"CFrameWnd::OnQueryEndSession() returned.",
             "CZembraFrame::OnQueryEndSession() returning true.",
             "CZembraFrame::OnEndSession() beginning.", "Calling SaveWindowPlacement().",
             "SaveWindowPlacement() returned.", "Calling CFrameWnd::OnEndSession().",
             "CZembra::OnSessionEnding() beginning.", "Calling CWinApp::OnSessionEnding().",
             "CZembra::ExitInstance() beginning.", "Calling m_LogFileSettings.Save().",
             "m_LogFileSettings.Save() returned.", "CZembra::ExitInstance() succeeded.",
             "CWinApp::OnSessionEnding() returned.  Flushing log."}));
        EXPECT_NE(content.find("[Program run-time "), std::string::npos) << content;
    }
}
