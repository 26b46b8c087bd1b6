#include "tests/e2e/E2e.h"

#include "app/core/ZembraFormat.h"
#include "framework/core/AnsiCodePage.h"
#include "tests/driver/Files.h"

#include <atomic>
#include <cstring>
#include <fstream>
#include <sstream>

namespace e2e {

std::string ZembraPath() {
    return testdriver::WindowsPathOf(ZEMBRA_EXE_PATH);
}

std::string ZembraFolder() {
    return testdriver::FolderOf(ZembraPath());
}

std::wstring Widen(const std::string& utf8) {
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::string Narrowed(const std::wstring& wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

testdriver::Process StartZembra(const std::string& arguments) {
    return testdriver::Process::Start("\"" + ZembraPath() + "\" " + arguments);
}

testdriver::Process StartRun(const std::string& document) {
    return StartZembra("RUN \"" + document + "\"");
}

Bytes Document(const std::string& caption, const std::string& text, std::uint32_t style,
               double version) {
    Bytes bytes = ZembraBytes(MessageBoxDesign(AnsiToUnicode(caption), AnsiToUnicode(text), style));
    std::memcpy(bytes.data(), &version, sizeof version);
    return bytes;
}

ScratchFolder::ScratchFolder() {
    static std::atomic<int> counter{0};
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + "zembra-e2e-" + std::to_string(GetCurrentProcessId()) + "-" +
             std::to_string(counter++) + "\\";
    CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    for (const std::string& name : testdriver::FileNamesIn(m_path))
        DeleteFileA((m_path + name).c_str());
    RemoveDirectoryA(m_path.c_str());
}

std::string ScratchFolder::Write(const std::string& name, const Bytes& bytes) const {
    const std::string path = m_path + name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string ScratchFolder::Write(const std::string& name, const std::string& text) const {
    return Write(name, Bytes(text.begin(), text.end()));
}

testing::AssertionResult IsRect(const std::optional<RECT>& actual, const RECT& expected) {
    const auto text = [](const RECT& r) {
        return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
               std::to_string(r.right) + ", " + std::to_string(r.bottom) + "}";
    };
    if (!actual)
        return testing::AssertionFailure() << "no rectangle, expected " << text(expected);
    if (EqualRect(&*actual, &expected))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << text(*actual) << ", expected " << text(expected);
}

testing::AssertionResult IsSize(const SIZE& actual, const SIZE& expected) {
    if (actual.cx == expected.cx && actual.cy == expected.cy)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << actual.cx << "x" << actual.cy << ", expected " << expected.cx << "x" << expected.cy;
}

SIZE SizeOf(const RECT& rect) {
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void SetString(HKEY root, const std::string& key, const std::string& name,
               const std::string& value) {
    EXPECT_TRUE(testdriver::SetString(root, key, name, value)) << key << name;
}

ZembraTest::ZembraTest() {
    for (const char* name : {"Path", "Version"})
        m_saved.push_back(std::make_unique<SavedValue>(HKEY_LOCAL_MACHINE, kProductKey, name));
    for (const char* name : {"bOutputLog", "LogPath", "nMaxLogSize", "WindowPlacement"})
        m_saved.push_back(std::make_unique<SavedValue>(HKEY_CURRENT_USER, kProductKey, name));
    WriteInstallationRecord(ZembraFolder(), "1.0");
    SetLogging(false, "", "65536");
}

void ZembraTest::WriteInstallationRecord(const std::string& path, const std::string& version) {
    EXPECT_TRUE(testdriver::RecordInstallation(path, version));
}

void ZembraTest::RemoveInstallationRecord() {
    DeleteValue(HKEY_LOCAL_MACHINE, kProductKey, "Path");
    DeleteValue(HKEY_LOCAL_MACHINE, kProductKey, "Version");
}

void ZembraTest::SetLogging(bool on, const std::string& path, const std::string& maxSize) {
    SetString(HKEY_CURRENT_USER, kProductKey, "bOutputLog", on ? "True" : "False");
    if (path.empty())
        DeleteValue(HKEY_CURRENT_USER, kProductKey, "LogPath");
    else
        SetString(HKEY_CURRENT_USER, kProductKey, "LogPath", path);
    SetString(HKEY_CURRENT_USER, kProductKey, "nMaxLogSize", maxSize);
}

DWORD ZembraTest::ExitCode(testdriver::Process& zembra) {
    const std::optional<DWORD> code = zembra.WaitForExit(kExitLimit);
    EXPECT_TRUE(code.has_value()) << "Zembra did not end";
    return code.value_or(testdriver::Process::kTerminatedExitCode);
}

void ZembraTest::ReadShownBox(const testdriver::Process& zembra) {
    ReadFound(testdriver::WaitForBox(zembra, kBoxLimit));
}

void ZembraTest::ReadNextBox(const testdriver::Process& zembra) {
    ReadFound(testdriver::WaitForNextBox(zembra, m_box, kBoxLimit));
}

void ZembraTest::ReadFound(HWND box) {
    m_box = box;
    m_contents.reset();
    ASSERT_NE(m_box, nullptr) << "no box appeared";
    m_contents = testdriver::ReadBox(m_box);
    ASSERT_TRUE(m_contents) << "the box could not be read";
}

DWORD ZembraTest::Answer(testdriver::Process& zembra, int id) {
    HWND box = testdriver::WaitForBox(zembra, kBoxLimit);
    EXPECT_NE(box, nullptr) << "no box appeared";
    if (box == nullptr)
        return testdriver::Process::kTerminatedExitCode;
    EXPECT_TRUE(testdriver::PressButton(box, id));
    return ExitCode(zembra);
}

} // namespace e2e
