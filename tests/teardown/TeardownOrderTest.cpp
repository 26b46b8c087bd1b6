// Every way out of a run ends the document template's objects before the application object and
// its log: the objects write their closing lines into the log as they end.

#include "framework/core/ApplicationRun.h"
#include "log/core/LogText.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::time_t FixedClock() {
    return 0;
}

// A document, a view or a frame: its destructor writes to the application's log.
class LoggingObject {
public:
    LoggingObject(LogText& log, std::string name) : m_log(log), m_name(std::move(name)) {}
    ~LoggingObject() { m_log.Append(m_name + " object destroyed."); }

private:
    LogText& m_log;
    std::string m_name;
};

// How the start goes.
enum class Start { Editor, RunMode, FailedEditor, Throws };

// The framework's application: it owns the template's objects, as CWinApp owns the template.
class Framework {
public:
    virtual ~Framework() = default;
    virtual bool InitInstance() = 0;
    virtual int ExitInstance() = 0;
    void RunMessageLoop() { m_bLoopRan = true; }
    void EndDocTemplate() { m_objects.clear(); }
    int FinalExitCode() { return ExitInstance(); }

protected:
    // In the order a close ends them: the view, the frame, the document.
    std::vector<std::unique_ptr<LoggingObject>> m_objects;
    bool m_bLoopRan = false;
};

// The program's application: its log is a member of its own, destroyed before the base.
class Application : public Framework {
public:
    Application(Start start, std::string& file) : m_start(start), m_file(file) {}
    ~Application() override {
        m_log.Append("CZembra object being destroyed.  Flushing log.");
        m_file = m_log.GetText();
    }

    bool InitInstance() override {
        if (m_start == Start::RunMode)
            return false;
        for (const char* name : {"CZembraView", "CZembraFrame", "CZembraDocument"})
            m_objects.push_back(std::make_unique<LoggingObject>(m_log, name));
        if (m_start == Start::Throws)
            throw std::runtime_error("start");
        return m_start == Start::Editor;
    }
    int ExitInstance() override {
        m_log.Append("CZembra::ExitInstance() beginning.");
        return m_bLoopRan ? 0 : 7;
    }

private:
    LogText m_log{FixedClock};
    Start m_start;
    std::string& m_file;
};

// The lines the run left in its "file", without the clock.
std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = text.find('\n') + 1; // after the header
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t arrow = text.find("-> ", start);
        lines.push_back(text.substr(arrow + 3, end - arrow - 3));
        start = end + 1;
    }
    return lines;
}

const std::vector<std::string> kClosingLines = {
    "CZembraView object destroyed.", "CZembraFrame object destroyed.",
    "CZembraDocument object destroyed.", "CZembra::ExitInstance() beginning.",
    "CZembra object being destroyed.  Flushing log."};

TEST(TeardownOrderTest, EveryWayOutEndsTheTemplateBeforeTheExitCodeAndTheLog) {
    struct Case {
        Start start;
        int exitCode;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        // The quit message, as after Generate: the objects still exist when the loop ends.
        {Start::Editor, 0, kClosingLines},
        // A start that fails with the template's objects made.
        {Start::FailedEditor, 7, kClosingLines},
        // Run mode makes none.
        {Start::RunMode,
         7,
         {"CZembra::ExitInstance() beginning.", "CZembra object being destroyed.  Flushing log."}},
    };
    for (const Case& c : cases) {
        std::string file;
        auto app = std::make_unique<Application>(c.start, file);
        EXPECT_EQ(RunApplication(*app), c.exitCode);
        app.reset();
        EXPECT_EQ(LinesOf(file), c.lines) << static_cast<int>(c.start);
    }
}

TEST(TeardownOrderTest, AStartThatThrowsStillEndsTheTemplateFirst) {
    std::string file;
    auto app = std::make_unique<Application>(Start::Throws, file);
    EXPECT_THROW(RunApplication(*app), std::runtime_error);
    app.reset();
    EXPECT_EQ(LinesOf(file), std::vector<std::string>(
                                 {"CZembraView object destroyed.", "CZembraFrame object destroyed.",
                                  "CZembraDocument object destroyed.",
                                  "CZembra object being destroyed.  Flushing log."}));
}

// Without the run's teardown the base ends the objects after the log has gone: the sanitizer
// stops the process at their first write, which is what the tests above would meet if the
// order broke.
TEST(TeardownOrderDeathTest, ObjectsLeftToTheBaseWriteIntoTheEndedLog) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            std::string file;
            auto app = std::make_unique<Application>(Start::Editor, file);
            app->InitInstance();
            app->RunMessageLoop();
            app.reset();
        },
        "heap-use-after-free");
}

} // namespace
