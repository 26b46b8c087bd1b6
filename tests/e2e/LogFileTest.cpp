// The log file a run leaves behind when the user has switched logging on, and the settings
// every run loads at start and stores at exit.

#include "tests/driver/Handles.h"
#include "tests/e2e/E2e.h"

#include <regex>

using namespace e2e;
using testdriver::Process;

namespace {

using Strings = std::vector<std::string>;

const Strings kRunEntries = {
    "CZembra object being created.",
    "CZembra object created.",
    "CZembra::InitInstance() beginning.",
    "Enable3dControls() succeeded.",
    "Calling SetRegistryKey().",
    "SetRegistryKey() returned.",
    "Checking core registry settings.",
    "Core registry keys okay.",
    "Calling m_LogFileSettings.Load().",
    "m_LogFileSettings.Load() returned.",
    "Parameters indicate file should be run.",
    "Loading document for run.",
    "Cleaning parameters...",
    "Parameters cleaned.",
    "Attempting to open file.",
    "File opened.",
    "Loading data.",
    "Data loaded.",
    "Running file.",
    "File run.",
    "CZembra::InitInstance() returning false.\\n(Don't start editor).",
    "CZembra::ExitInstance() beginning.",
    "Calling m_LogFileSettings.Save().",
    "m_LogFileSettings.Save() returned.",
    "CZembra::ExitInstance() returning message box value.",
    "Returning m_nReturnValue = 1",
    "CZembra object being destroyed.  Flushing log.",
};

// The lines of a file whose every line ends in CR LF; a bare LF or a missing final CR LF fails.
Strings CrLfLines(const std::string& content) {
    Strings lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = content.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line does not end in CR LF";
            break;
        }
        const std::string line = content.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos) << "bare line feed in: " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

const char* const kNotOutput = "Log file could not be outputted.\n";

const std::regex kHeader(R"(\[Zembra version 1\.0 started at \d\d/\d\d/\d{4} \d\d:\d\d:\d\d\])");
const std::regex kEntry(R"(\d\d:\d\d:\d\d-> (.*))");
const std::regex kEnd(R"(\[Program ended at \d\d/\d\d/\d{4} \d\d:\d\d:\d\d\])");
const std::regex kRunTime(R"(\[Program run-time 00:00:\d\d\])");

// Checks one run's lines: header, the entries in order, end and run-time lines.
void ExpectRun(const Strings& lines, const Strings& entries) {
    ASSERT_EQ(lines.size(), entries.size() + 3);
    EXPECT_TRUE(std::regex_match(lines.front(), kHeader)) << lines.front();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(lines[i + 1], match, kEntry)) << lines[i + 1];
        EXPECT_EQ(match[1].str(), entries[i]);
    }
    EXPECT_TRUE(std::regex_match(lines[lines.size() - 2], kEnd)) << lines[lines.size() - 2];
    EXPECT_TRUE(std::regex_match(lines.back(), kRunTime)) << lines.back();
}

class LogFile : public ZembraTest {
protected:
    LogFile() {
        m_document = m_scratch.Write("doc.zembra", Document("Log", "Logged run", 0x2000));
        m_log = m_scratch.Path() + "Log file.txt";
    }

    // Runs the document, answers OK and returns what the log file then holds.
    std::string RunOnce() {
        Process zembra = StartRun(m_document);
        EXPECT_EQ(Answer(zembra, IDOK), 1u);
        return ReadFileBytes(m_log).value_or("");
    }

    // The registry holds these settings, as a run stores them at exit.
    static void ExpectStored(const char* outputLog, const std::string& path, const char* size) {
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kProductKey, "bOutputLog"), outputLog);
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kProductKey, "LogPath"), path);
        EXPECT_EQ(GetString(HKEY_CURRENT_USER, kProductKey, "nMaxLogSize"), size);
    }

    std::string m_document;
    std::string m_log;
};

} // namespace

TEST_F(LogFile, RunWritesItsWholeLogInOrder) {
    SetLogging(true, m_log, "65536");
    ExpectRun(CrLfLines(RunOnce()), kRunEntries);
}

TEST_F(LogFile, NextRunFollowsAfterExactlyOneEmptyLine) {
    SetLogging(true, m_log, "65536");
    const std::string first = RunOnce();
    const std::string both = RunOnce();
    ASSERT_EQ(both.compare(0, first.size(), first), 0);
    ASSERT_EQ(both.compare(first.size(), 2, "\r\n"), 0);
    ExpectRun(CrLfLines(both.substr(first.size() + 2)), kRunEntries);
}

TEST_F(LogFile, LimitEmptiesTheFileOnlyWhenTheSumIsOverIt) {
    SetLogging(true, m_log, "65536");
    const std::string run = RunOnce();
    ASSERT_FALSE(run.empty());
    // What the limit is held against: the run's text in memory, without the CRs of the file and
    // without the end and run-time lines, which are added after the size check.
    const Strings lines = CrLfLines(run);
    ASSERT_GE(lines.size(), 2u);
    const std::size_t textLength = run.size() - lines.size() -
                                   (lines[lines.size() - 2].size() + 1) - (lines.back().size() + 1);
    const std::string earlier = "earlier run\r\n";

    m_scratch.Write("Log file.txt", earlier);
    SetLogging(true, m_log, std::to_string(earlier.size() + textLength));
    std::string content = RunOnce();
    EXPECT_EQ(content.compare(0, earlier.size() + 2, earlier + "\r\n"), 0)
        << "emptied at the limit";
    EXPECT_EQ(content.size(), earlier.size() + 2 + run.size());

    m_scratch.Write("Log file.txt", earlier);
    SetLogging(true, m_log, std::to_string(earlier.size() + textLength - 1));
    content = RunOnce();
    EXPECT_EQ(content.size(), run.size()) << "not emptied past the limit";
    ExpectRun(CrLfLines(content), kRunEntries);
}

TEST_F(LogFile, ZeroLimitEmptiesTheFileBeforeEveryRun) {
    m_scratch.Write("Log file.txt", std::string("old\r\n"));
    SetLogging(true, m_log, "0");
    ExpectRun(CrLfLines(RunOnce()), kRunEntries);
}

TEST_F(LogFile, LoggingOffLeavesTheFileUntouched) {
    const std::string old = "old\r\n";
    m_scratch.Write("Log file.txt", old);
    SetLogging(false, m_log, "0");
    EXPECT_EQ(RunOnce(), old);
    SetString(HKEY_CURRENT_USER, kProductKey, "bOutputLog", "true");
    EXPECT_EQ(RunOnce(), old);
}

TEST_F(LogFile, MissingFolderIsReportedOnceAndKeepsTheExitCode) {
    SetLogging(true, m_scratch.Path() + "missing\\log.txt", "65536");
    const std::string question =
        m_scratch.Write("question.zembra", Document("Ask", "Yes or no?", 0x2000 | 0x20 | 4));
    Process zembra = StartRun(question);
    ASSERT_NO_FATAL_FAILURE(ReadShownBox(zembra));
    EXPECT_TRUE(testdriver::PressButton(m_box, IDNO));

    ASSERT_NO_FATAL_FAILURE(ReadNextBox(zembra));
    EXPECT_EQ(m_contents->caption, "Zembra");
    EXPECT_EQ(m_contents->text.rfind(kNotOutput, 0), 0u) << m_contents->text;
    EXPECT_GT(m_contents->text.size(), std::string(kNotOutput).size());
    EXPECT_EQ(m_contents->icon, testdriver::BoxIcon::Error);
    EXPECT_TRUE(testdriver::PressButton(m_box, IDOK));

    EXPECT_TRUE(testdriver::WaitUntilNoBox(zembra, kBoxLimit));
    EXPECT_EQ(ExitCode(zembra), 7u);
}

TEST_F(LogFile, SettingsAreStoredAtExitInTheirOwnForm) {
    for (const char* name : {"bOutputLog", "LogPath", "nMaxLogSize"})
        DeleteValue(HKEY_CURRENT_USER, kProductKey, name);
    RunOnce();
    ExpectStored("False", ZembraFolder() + "Log.txt", "65536");

    SetString(HKEY_CURRENT_USER, kProductKey, "bOutputLog", "TRUE");
    SetString(HKEY_CURRENT_USER, kProductKey, "LogPath", "");
    SetString(HKEY_CURRENT_USER, kProductKey, "nMaxLogSize", "2048 bytes");
    RunOnce();
    ExpectStored("False", ZembraFolder() + "Log.txt", "2048");

    SetString(HKEY_CURRENT_USER, kProductKey, "nMaxLogSize", "-1");
    RunOnce();
    EXPECT_EQ(GetString(HKEY_CURRENT_USER, kProductKey, "nMaxLogSize"), "4294967295");
}

TEST_F(LogFile, ARunEndingWhileAnotherHoldsTheFileWaitsForItBriefly) {
    SetLogging(true, m_log, "65536");
    const std::string earlier = "earlier run\r\n";
    for (const int heldMs : {150, 2500}) {
        SCOPED_TRACE(heldMs);
        m_scratch.Write("Log file.txt", earlier);
        // Another run writing its own log holds the file with no sharing.
        testdriver::OwnedHandle held(CreateFileA(m_log.c_str(), GENERIC_WRITE, 0, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        Process zembra = StartRun(m_document);
        ASSERT_NO_FATAL_FAILURE(ReadShownBox(zembra));
        EXPECT_TRUE(testdriver::PressButton(m_box, IDOK));
        if (heldMs < 1000) {
            Sleep(heldMs);
            held.Reset();
            EXPECT_EQ(ExitCode(zembra), 1u);
            const std::string content = ReadFileBytes(m_log).value_or("");
            ASSERT_EQ(content.compare(0, earlier.size() + 2, earlier + "\r\n"), 0) << content;
            ExpectRun(CrLfLines(content.substr(earlier.size() + 2)), kRunEntries);
        } else {
            // Held for longer than a run waits: the failure is reported, the file is untouched.
            ASSERT_NO_FATAL_FAILURE(ReadNextBox(zembra));
            held.Reset();
            EXPECT_EQ(m_contents->text.rfind(kNotOutput, 0), 0u);
            EXPECT_TRUE(testdriver::PressButton(m_box, IDOK));
            EXPECT_EQ(ExitCode(zembra), 1u);
            EXPECT_EQ(ReadFileBytes(m_log), earlier);
        }
    }
}
