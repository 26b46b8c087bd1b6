// The demo's hands and eyes: runs a document with Zembra as a double-click would, after
// recording the installation as the installer does.
//
//   rundemo <Zembra.exe> <document>                 the user answers the box
//   rundemo <Zembra.exe> <document> <shot.bmp>      reads each box, saves a picture of it and
//                                                   presses its default button
//
// Prints what it sees and ends with Zembra's exit code.

#include "tests/driver/Box.h"
#include "tests/driver/Handles.h"
#include "tests/driver/Process.h"
#include "tests/driver/Registry.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace testdriver;

namespace {

const milliseconds kBoxLimit{15000};

// Saves the box's part of the screen as a 24-bit bitmap file.
bool SaveScreenshot(HWND box, const std::string& path) {
    RECT r;
    GetWindowRect(box, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    ScreenDC screen;
    MemoryDC memory;
    DibSection dib(width, height);
    if (!screen || !memory || !dib)
        return false;
    {
        SelectedObject selected(memory.Get(), dib.Get());
        BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
        GdiFlush();
    }
    const int rowSize = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rowSize * height);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    std::vector<char> row(static_cast<std::size_t>(rowSize), 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const DWORD pixel = dib.Pixel(x, y);
            row[x * 3] = static_cast<char>(pixel & 0xFF);
            row[x * 3 + 1] = static_cast<char>((pixel >> 8) & 0xFF);
            row[x * 3 + 2] = static_cast<char>((pixel >> 16) & 0xFF);
        }
        out.write(row.data(), rowSize);
    }
    return static_cast<bool>(out);
}

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

int AnswerEveryBox(Process& zembra, const std::string& screenshot) {
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
        if (SaveScreenshot(box, screenshot))
            std::printf("  picture: %s\n", screenshot.c_str());
        const int press = contents->defaultButton.value_or(
            contents->buttons.empty() ? IDOK : contents->buttons.front().id);
        std::printf("  pressing the default button.\n");
        PressButton(box, press);
        previous = box;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: rundemo <Zembra.exe> <document> [<screenshot.bmp>]\n");
        return 2;
    }
    const std::string zembraPath = argv[1], document = argv[2];
    if (!RecordInstallation(FolderOf(zembraPath), "1.0"))
        std::fprintf(stderr, "warning: the installation record could not be written\n");
    const std::string commandLine = "\"" + zembraPath + "\" RUN \"" + document + "\"";
    std::printf("Starting: %s\n", commandLine.c_str());
    std::fflush(stdout);
    Process zembra = Process::Start(commandLine);
    if (argc > 3)
        AnswerEveryBox(zembra, argv[3]);
    const auto code = zembra.WaitForExit(argc > 3 ? milliseconds(15000) : milliseconds(INFINITE));
    if (!code) {
        std::printf("Zembra did not end.\n");
        return 1;
    }
    std::printf("Zembra ended with exit code %lu.\n", static_cast<unsigned long>(*code));
    return static_cast<int>(*code);
}
