#include "WindowsSystem.h"

#include "box/DesignedBox.h"
#include "framework/CodePage.h"
#include "framework/File.h"
#include "framework/SaveFile.h"
#include "framework/SystemMessage.h"
#include "framework/core/Exception.h"

#include <windows.h>

#include <algorithm>

namespace cli {

namespace {

void WriteTo(DWORD stream, const std::string& utf8) {
    const HANDLE handle = GetStdHandle(stream);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        return;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        // The console shows every character, whatever its code page.
        const std::wstring wide = Utf8ToWide(utf8);
        constexpr std::size_t kChunk = 8192;
        for (std::size_t at = 0; at < wide.size(); at += kChunk) {
            DWORD written = 0;
            const auto count = static_cast<DWORD>(std::min(kChunk, wide.size() - at));
            if (!WriteConsoleW(handle, wide.data() + at, count, &written, nullptr))
                return;
        }
        return;
    }
    std::size_t at = 0;
    while (at < utf8.size()) {
        DWORD written = 0;
        const auto count = static_cast<DWORD>(std::min<std::size_t>(utf8.size() - at, 1u << 20));
        if (!WriteFile(handle, utf8.data() + at, count, &written, nullptr) || written == 0)
            return;
        at += written;
    }
}

} // namespace

std::wstring Utf8ToWide(const std::string& text) {
    return ToWide(CP_UTF8, text);
}

std::string WideToUtf8(const std::wstring& text) {
    return FromWide(CP_UTF8, text);
}

void WindowsSystem::Out(const std::string& text) {
    WriteTo(STD_OUTPUT_HANDLE, text);
}

void WindowsSystem::Err(const std::string& text) {
    WriteTo(STD_ERROR_HANDLE, text);
}

std::string WindowsSystem::ReasonOf(const CException& e) const {
    // The framework's texts are the system's, in the ANSI code page.
    return AnsiToUtf8(e.Message());
}

std::unique_ptr<ArchiveStream> WindowsSystem::OpenDocument(const std::string& path) {
    return std::make_unique<CFile>(Utf8ToWide(path), CFile::modeRead | CFile::shareDenyWrite);
}

WriteOutcome WindowsSystem::WriteDocument(const std::string& path,
                                          const std::vector<unsigned char>& bytes, bool replace,
                                          std::string& reason) {
    // Written whole beside the target, then given its name: a new name only where none exists,
    // or in place of the old file, which stays as it was until then.
    const std::wstring target = Utf8ToWide(path);
    try {
        if (replace)
            SaveFileBytes(target, bytes);
        else
            SaveNewFileBytes(target, bytes);
        return WriteOutcome::Written;
    } catch (const CFileException& e) {
        if (!replace &&
            (e.GetOsError() == ERROR_ALREADY_EXISTS || e.GetOsError() == ERROR_FILE_EXISTS))
            return WriteOutcome::Exists;
        reason = ReasonOf(e);
        return WriteOutcome::Failed;
    } catch (const CException& e) {
        reason = ReasonOf(e);
        return WriteOutcome::Failed;
    }
}

BoxOutcome WindowsSystem::ShowBox(const MessageBoxDesign& design,
                                  std::optional<unsigned> timeoutSeconds) {
    BoxOutcome outcome;
    unsigned long error = 0;
    outcome.result = ShowDesignedBox(nullptr, design, timeoutSeconds, error);
    if (outcome.result == 0)
        outcome.failure = AnsiToUtf8(TrimmedSystemMessage(error));
    return outcome;
}

} // namespace cli
