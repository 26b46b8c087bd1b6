// The program log's file and messages on a real file system and desktop.

#include "log/ProgramLog.h"
#include "framework/WinApp.h"
#include "tests/driver/BoxCloser.h"
#include "tests/driver/Files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>

namespace {

using testdriver::BoxCloser;

class ProgramLogFile : public testing::Test {
protected:
    ProgramLogFile() {
        m_folder = testdriver::TempFolder() + "zembra-log-test-" +
                   std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(m_folder.c_str(), nullptr);
        m_path = m_folder + "log.txt";
    }
    ~ProgramLogFile() override {
        DeleteFileA(m_path.c_str());
        RemoveDirectoryA(m_folder.c_str());
    }

    std::string Content() const {
        std::ifstream in(m_path, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }
    void Write(const std::string& content) const {
        std::ofstream(m_path, std::ios::binary) << content;
    }

    // Stands in for the program's application object, whose name captions the messages.
    CWinApp m_app;
    std::string m_folder;
    std::string m_path;
};

// The boxes this process showed while run ran, each closed with its OK button.
template <typename Run> std::vector<testdriver::SeenBox> BoxesShownBy(Run run) {
    BoxCloser closer;
    run();
    return closer.Seen();
}

// The log's text as the file holds it: every line feed written as CR LF.
std::string AsFileText(const std::string& text) {
    std::string file;
    for (char c : text)
        file += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return file;
}

} // namespace

TEST_F(ProgramLogFile, NewFileHoldsTheRunWithItsEndLines) {
    ProgramLog log;
    log.Append("one\ntwo");
    const std::string before = log.GetText();
    ASSERT_TRUE(log.WriteToFile(m_path));
    EXPECT_TRUE(log.IsWritten());
    EXPECT_EQ(log.GetText(), "");
    const std::string content = Content();
    EXPECT_EQ(content.rfind(AsFileText(before), 0), 0u);
    EXPECT_NE(content.find("\r\n[Program ended at "), std::string::npos);
    EXPECT_NE(content.find("\r\n[Program run-time 00:00:"), std::string::npos);
    EXPECT_EQ(content.substr(content.size() - 3), "]\r\n");
}

TEST_F(ProgramLogFile, RunsAreSeparatedByOneEmptyLineButNotFromAnEmptyFile) {
    Write("");
    ProgramLog first;
    ASSERT_TRUE(first.WriteToFile(m_path));
    const std::string one = Content();
    EXPECT_EQ(one.rfind("[Zembra version 1.0 started at ", 0), 0u);

    ProgramLog second;
    ASSERT_TRUE(second.WriteToFile(m_path));
    const std::string two = Content();
    EXPECT_EQ(two.substr(0, one.size()), one);
    EXPECT_EQ(two.substr(one.size(), 2 + 31), "\r\n[Zembra version 1.0 started at ");
}

TEST_F(ProgramLogFile, SecondWriteIsRefusedWithAMessage) {
    ProgramLog log;
    ASSERT_TRUE(log.WriteToFile(m_path));
    const std::string written = Content();
    const auto seen = BoxesShownBy([&] { EXPECT_FALSE(log.WriteToFile(m_path)); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "log_test");
    EXPECT_EQ(seen[0].text,
              "Log file could not be outputted.\nThe log file was already outputted.");
    EXPECT_EQ(Content(), written);
    // The message reaches the log, never the file.
    EXPECT_NE(log.GetText().find(
                  "-> Log file could not be outputted.\\nThe log file was already outputted.\n"),
              std::string::npos);
    EXPECT_EQ(log.GetText().find("[Program ended"), std::string::npos);
}

TEST_F(ProgramLogFile, MissingFolderIsReportedAndTheTextKept) {
    ProgramLog log;
    log.Append("kept");
    const auto seen =
        BoxesShownBy([&] { EXPECT_FALSE(log.WriteToFile(m_folder + "missing\\log.txt")); });
    ASSERT_EQ(seen.size(), 1u);
    const std::string first = "Log file could not be outputted.\n";
    EXPECT_EQ(seen[0].text.rfind(first, 0), 0u);
    EXPECT_GT(seen[0].text.size(), first.size());
    EXPECT_FALSE(log.IsWritten());
    EXPECT_NE(log.GetText().find("-> kept\n[Program ended at "), std::string::npos);
}
