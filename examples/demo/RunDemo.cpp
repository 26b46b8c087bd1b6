// The demo's hands and eyes: runs a document with Zembra as a double-click would, after
// recording the installation as the installer does, then opens it in the editor as the Edit
// verb would.
//
//   rundemo <Zembra.exe> <document>             the user answers the box and uses the editor
//   rundemo <Zembra.exe> <document> --answer    reads each box, saves a picture of it and presses
//                                               its default button; saves a picture of the
//                                               editor and closes it
//
// Pictures go to the test output folder (ZEMBRA_TEST_OUTPUT). Prints what it sees and ends with
// the run's exit code.

#include "tests/driver/Box.h"
#include "tests/driver/Input.h"
#include "tests/driver/Process.h"
#include "tests/driver/Registry.h"
#include "tests/driver/Screenshot.h"
#include "tests/driver/Window.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

using namespace testdriver;

namespace {

const milliseconds kBoxLimit{15000};

std::string Shown(const std::string& text) {
    std::string shown;
    for (char c : text)
        shown += c == '\n' ? std::string("\\n") : std::string(1, c);
    return shown;
}

void Describe(const BoxContents& box) {
    std::printf("  caption: \"%s\"\n  text:    \"%s\"\n  icon:    %s\n  buttons:",
                Shown(box.caption).c_str(), Shown(box.text).c_str(), ToString(box.icon));
    for (const BoxButton& button : box.buttons)
        std::printf(" [%s]%s", button.text.c_str(),
                    box.defaultButton == button.id ? " (default)" : "");
    std::printf("\n");
}

void AnswerEveryBox(Process& zembra) {
    HWND previous = nullptr;
    for (;;) {
        HWND box =
            previous ? WaitForNextBox(zembra, previous, kBoxLimit) : WaitForBox(zembra, kBoxLimit);
        if (box == nullptr)
            break;
        const auto contents = ReadBox(box);
        if (!contents)
            break;
        std::printf("Zembra shows a message box:\n");
        Describe(*contents);
        const std::string picture = SaveScreenshot(box, "demo-box");
        if (!picture.empty())
            std::printf("  picture: %s\n", picture.c_str());
        const int press = contents->defaultButton.value_or(
            contents->buttons.empty() ? IDOK : contents->buttons.front().id);
        std::printf("  pressing the default button.\n");
        PressButton(box, press);
        previous = box;
    }
}

// Opens the document in the editor, as the shell's Edit verb does.
void ShowEditor(const std::string& zembraPath, const std::string& document, bool answer) {
    const std::string commandLine = "\"" + zembraPath + "\" \"" + document + "\"";
    std::printf("Starting the editor: %s\n", commandLine.c_str());
    std::fflush(stdout);
    Process editor = Process::Start(commandLine);
    if (!answer) {
        editor.WaitForExit(milliseconds(INFINITE));
        return;
    }
    HWND frame = WaitForWindow(editor, "FrameWindow", "", kBoxLimit);
    if (frame == nullptr) {
        std::printf("The editor showed no window.\n");
        return;
    }
    std::printf("The editor shows \"%s\".\n", WindowText(frame).c_str());
    const std::string picture = SaveScreenshot(frame, "demo-editor");
    if (!picture.empty())
        std::printf("  picture: %s\n", picture.c_str());
    AskToClose(frame);
    editor.WaitForExit(kBoxLimit);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: rundemo <Zembra.exe> <document> [--answer]\n");
        return 2;
    }
    const std::string zembraPath = argv[1], document = argv[2];
    const bool answer = argc > 3 && std::strcmp(argv[3], "--answer") == 0;
    if (!RecordInstallation(FolderOf(zembraPath), "1.0"))
        std::fprintf(stderr, "warning: the installation record could not be written\n");
    const std::string commandLine = "\"" + zembraPath + "\" RUN \"" + document + "\"";
    std::printf("Starting: %s\n", commandLine.c_str());
    std::fflush(stdout);
    Process zembra = Process::Start(commandLine);
    if (answer)
        AnswerEveryBox(zembra);
    const auto code = zembra.WaitForExit(answer ? milliseconds(15000) : milliseconds(INFINITE));
    if (!code) {
        std::printf("Zembra did not end.\n");
        return 1;
    }
    std::printf("Zembra ended with exit code %lu.\n", static_cast<unsigned long>(*code));
    ShowEditor(zembraPath, document, answer);
    return static_cast<int>(*code);
}
