// zembra-cli.exe under Wine, started as a script starts it: Unicode arguments, its exit code, its
// output, and the boxes of run and ask read back and answered as a person would, drawn with
// today's common controls.

#include "tests/cli/NewCases.h"
#include "tests/driver/Modules.h"
#include "tests/e2e/E2e.h"

#include <chrono>

using testdriver::BoxIcon;
using testdriver::CapturedOutput;
using testdriver::Process;

namespace {

using Strings = std::vector<std::string>;

class CliProgram : public testing::Test {
protected:
    // zembra-cli.exe with the arguments (UTF-8), each quoted as the program reads it back, its
    // output going to output (by default the test's).
    static Process StartInto(const Strings& arguments, CapturedOutput& output) {
        std::string line = testdriver::QuoteArgument(testdriver::WindowsPathOf(ZEMBRA_CLI_PATH));
        for (const std::string& argument : arguments)
            line += " " + testdriver::QuoteArgument(argument);
        return Process::Start(e2e::Widen(line), output);
    }
    Process Start(const Strings& arguments) {
        m_output = std::make_unique<CapturedOutput>();
        return StartInto(arguments, *m_output);
    }
    DWORD ExitCode(Process& program) {
        const std::optional<DWORD> code = program.WaitForExit(e2e::kExitLimit);
        EXPECT_TRUE(code) << "zembra-cli did not end";
        return code.value_or(Process::kTerminatedExitCode);
    }
    // Runs a command that shows no box to its end.
    DWORD Run(const Strings& arguments) {
        Process program = Start(arguments);
        return ExitCode(program);
    }
    std::string Out() const { return m_output->Out(); }
    std::string Err() const { return m_output->Err(); }

    e2e::ScratchFolder m_scratch;
    std::unique_ptr<CapturedOutput> m_output;
};

} // namespace

// Every case at once, each into a file of its own.
TEST_F(CliProgram, NewWritesTheSameBytesAsOnLinux) {
    const std::vector<clitest::NewCase> cases = clitest::NewCases();
    std::vector<std::unique_ptr<CapturedOutput>> outputs;
    std::vector<Process> runs;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        Strings arguments = {"new", m_scratch.Path() + "new " + std::to_string(i) + ".zembra"};
        arguments.insert(arguments.end(), cases[i].options.begin(), cases[i].options.end());
        outputs.push_back(std::make_unique<CapturedOutput>());
        runs.push_back(StartInto(arguments, *outputs.back()));
    }
    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(testing::PrintToString(cases[i].options));
        EXPECT_EQ(ExitCode(runs[i]), 0u) << outputs[i]->Err();
        const std::string path = m_scratch.Path() + "new " + std::to_string(i) + ".zembra";
        EXPECT_EQ(clitest::ToHex(e2e::ReadFileBytes(path).value_or("")),
                  clitest::DocumentHex(cases[i]));
    }
}

TEST_F(CliProgram, RunShowsTheDocumentsBoxAndExitsWithThePressedButton) {
    const struct {
        std::uint32_t style;
        Strings buttons;
        int defaultButton;
        BoxIcon icon;
        bool topmost;
        int press;
    } cases[] = {
        {0x2000 | 0x30 | 4 | 0x100, {"Yes", "No"}, IDNO, BoxIcon::Warning, false, IDNO},
        {0x1000 | 0x10 | 1, {"OK", "Cancel"}, IDOK, BoxIcon::Error, true, IDCANCEL},
        {0x2000 | 0x20 | 2 | 0x200,
         {"Abort", "Retry", "Ignore"},
         IDIGNORE,
         BoxIcon::Question,
         false,
         IDRETRY},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        const std::string path =
            m_scratch.Write("run.zembra", e2e::Document("Disk", "Almost full.\r\nGo on?", c.style));
        Process program = Start({"run", path});
        HWND box = testdriver::WaitForBox(program, e2e::kBoxLimit);
        const auto contents = testdriver::ReadBox(box);
        ASSERT_TRUE(contents);
        EXPECT_EQ(contents->caption, "Disk");
        EXPECT_EQ(contents->text, "Almost full.\r\nGo on?");
        EXPECT_EQ(contents->ButtonTexts(), c.buttons);
        EXPECT_EQ(contents->defaultButton, c.defaultButton);
        EXPECT_EQ(contents->icon, c.icon);
        EXPECT_EQ(contents->owner, nullptr);
        EXPECT_EQ(contents->topmost, c.topmost);
        EXPECT_TRUE(testdriver::PressButton(box, c.press));
        EXPECT_EQ(ExitCode(program), static_cast<DWORD>(c.press));
        EXPECT_EQ(Out() + Err(), "");
    }
}

TEST_F(CliProgram, AskShowsTheBoxOfItsOptionsInAnyScript) {
    Process program = Start({"ask", "--caption", "Caf\xc3\xa9 \xe2\x82\xac", "--text", "One\nTwo",
                             "--icon", "information", "--buttons", "yes-no-cancel", "--default",
                             "3", "--priority", "system"});
    HWND box = testdriver::WaitForBox(program, e2e::kBoxLimit);
    const auto contents = testdriver::ReadBox(box);
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->caption, "Caf\xe9 \x80");
    EXPECT_EQ(contents->text, "One\r\nTwo");
    EXPECT_EQ(contents->ButtonTexts(), (Strings{"Yes", "No", "Cancel"}));
    EXPECT_EQ(contents->defaultButton, IDCANCEL);
    EXPECT_EQ(contents->icon, BoxIcon::Information);
    EXPECT_EQ(contents->owner, nullptr);
    EXPECT_TRUE(contents->topmost);
    EXPECT_TRUE(testdriver::SendKey(box, VK_ESCAPE));
    EXPECT_EQ(ExitCode(program), static_cast<DWORD>(IDCANCEL));

    // A character the code page lacks is shown as it is.
    program = Start(
        {"ask", "--caption", "\xe2\x9c\x93", "--text", "\xce\xa9\xce\xbc\xce\xad\xce\xb3\xce\xb1"});
    box = testdriver::WaitForBox(program, e2e::kBoxLimit);
    const auto wide = testdriver::ReadBox(box);
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->wideCaption, L"\u2713");
    EXPECT_EQ(wide->wideText, L"\u03a9\u03bc\u03ad\u03b3\u03b1");
    EXPECT_TRUE(testdriver::SendKey(box, VK_RETURN));
    EXPECT_EQ(ExitCode(program), static_cast<DWORD>(IDOK));
    EXPECT_EQ(Out() + Err(), "");
}

TEST_F(CliProgram, AskBoxLoadsTheSideBySideVersion6CommonControls) {
    Process program = Start({"ask", "--text", "Today's controls?"});
    HWND box = testdriver::WaitForBox(program, e2e::kBoxLimit);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(testdriver::CommonControlsOtherThanVersion6(program.Id()), "");
    EXPECT_TRUE(testdriver::PressButton(box, IDOK));
    EXPECT_EQ(ExitCode(program), static_cast<DWORD>(IDOK));
}

TEST_F(CliProgram, TimeoutClosesTheBoxWith32000) {
    const auto start = std::chrono::steady_clock::now();
    Process program = Start({"ask", "--caption", "Unattended", "--timeout", "2"});
    EXPECT_NE(testdriver::WaitForBox(program, e2e::kBoxLimit), nullptr);
    const std::optional<DWORD> code = program.WaitForExit(std::chrono::seconds(30));
    ASSERT_TRUE(code) << "the box was not closed";
    EXPECT_EQ(*code, 32000u);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1900));
}

TEST_F(CliProgram, UnreadableDocumentExits255WithoutABox) {
    const e2e::Bytes whole = e2e::Document("Caption", "Text", 0x2000);
    const std::string cut =
        m_scratch.Write("cut.zembra", e2e::Bytes(whole.begin(), whole.begin() + 13));
    Process program = Start({"run", cut, "--timeout", "5"});
    EXPECT_EQ(testdriver::WaitForBox(program, e2e::kBoxLimit), nullptr);
    EXPECT_EQ(ExitCode(program), 255u);
    EXPECT_EQ(Err(), "zembra-cli: " + cut + ": the length at byte 12 reaches beyond the end\n");

    const std::string missing = m_scratch.Path() + "missing.zembra";
    EXPECT_EQ(Run({"run", missing}), 255u);
    EXPECT_EQ(Err().rfind("zembra-cli: " + missing + ": cannot be read (", 0), 0u) << Err();
}

TEST_F(CliProgram, ShowPrintsUtf8AndNoControlCharacter) {
    const std::string path = m_scratch.Write("euro.zembra", e2e::Document("\x80", "\xe9", 0x2040));
    EXPECT_EQ(Run({"show", "--json", path}), 0u);
    EXPECT_NE(Out().find("\"caption\": \"\xe2\x82\xac\",\n  \"text\": \"\xc3\xa9\",\n  \"icon\": "
                         "\"information\""),
              std::string::npos)
        << Out();

    // Nor can a document drive the console: an ESC of its caption shows as an escape.
    const std::string escape =
        m_scratch.Write("escape.zembra", e2e::Document("\x1b]0;x\x07", "", 0));
    EXPECT_EQ(Run({"show", escape}), 0u);
    EXPECT_EQ(Out().find('\x1b'), std::string::npos) << Out();
    EXPECT_NE(Out().find("caption   \\x1B]0;x\\x07\n"), std::string::npos) << Out();
}
