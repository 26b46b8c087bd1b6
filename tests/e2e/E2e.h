#pragma once
// What the end-to-end tests share: the program under test, scratch files and the registry
// values a run reads and writes, restored after each test.

#include "tests/driver/Box.h"
#include "tests/driver/Files.h"
#include "tests/driver/Process.h"
#include "tests/driver/Registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using testdriver::DeleteValue;
using testdriver::GetString;
using testdriver::SavedValue;

using Bytes = std::vector<unsigned char>;
using testdriver::milliseconds;

// The product's key, under HKEY_LOCAL_MACHINE for the installation record and under
// HKEY_CURRENT_USER for the settings.
inline constexpr const char* kProductKey = "Software\\Zembra\\";

// Limits for a box to appear and for a program to end after its last box is answered.
inline constexpr milliseconds kBoxLimit{10000};
inline constexpr milliseconds kExitLimit{10000};

// Zembra.exe as Windows sees it, and its folder exactly as the program reports its own
// (with the trailing backslash).
std::string ZembraPath();
std::string ZembraFolder();

// UTF-8 as UTF-16 and back, for command lines and texts of any script.
std::wstring Widen(const std::string& utf8);
std::string Narrowed(const std::wstring& wide);

// Starts Zembra with the quoted program path, a blank and arguments; StartRun with RUN and the
// document's path in quotes.
testdriver::Process StartZembra(const std::string& arguments);
testdriver::Process StartRun(const std::string& document);

// A document as the program writes it; version is the format version stored first.
Bytes Document(const std::string& caption, const std::string& text, std::uint32_t style,
               double version = 1.0);

// A file in a fresh scratch folder of the temporary folder, removed with the folder.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string Write(const std::string& name, const Bytes& bytes) const;
    std::string Write(const std::string& name, const std::string& text) const;

private:
    std::string m_path;
};

using testdriver::ReadFileBytes;

// The bytes as ReadFileBytes gives a file that holds them.
inline std::string AsText(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Success when actual is there and is expected, naming both otherwise.
testing::AssertionResult IsRect(const std::optional<RECT>& actual, const RECT& expected);
testing::AssertionResult IsSize(const SIZE& actual, const SIZE& expected);
SIZE SizeOf(const RECT& rect);

// Sets a REG_SZ value as the product stores it; a failure fails the test.
void SetString(HKEY root, const std::string& key, const std::string& name,
               const std::string& value);

// Every test of a run: the product's registry values are saved before and restored after, the
// installation record names this program (so no warning appears) and logging is off.
class ZembraTest : public testing::Test {
protected:
    ZembraTest();
    void WriteInstallationRecord(const std::string& path, const std::string& version);
    void RemoveInstallationRecord();
    void SetLogging(bool on, const std::string& path, const std::string& maxSize);

    // Answers the designed box of a run by pressing button id and returns the exit code.
    static DWORD Answer(testdriver::Process& zembra, int id);
    static DWORD ExitCode(testdriver::Process& zembra);

    // Waits for the next box zembra shows and reads it into m_box and m_contents; the test fails
    // fatally when none appears or it cannot be read. ReadNextBox: a box other than m_box.
    void ReadShownBox(const testdriver::Process& zembra);
    void ReadNextBox(const testdriver::Process& zembra);

    ScratchFolder m_scratch;
    HWND m_box = nullptr;
    std::optional<testdriver::BoxContents> m_contents;

private:
    void ReadFound(HWND box);

    std::vector<std::unique_ptr<SavedValue>> m_saved;
};

} // namespace e2e
