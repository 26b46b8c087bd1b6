#include "File.h"

#include "framework/CodePage.h"
#include "framework/SystemMessage.h"
#include "framework/core/Exception.h"
#include "framework/core/LineBreaks.h"

#include <algorithm>

namespace {

// CreateFile's access, sharing and disposition for the framework's flags.
struct CreateParameters {
    explicit CreateParameters(unsigned flags)
        : access((flags & CFile::modeWrite) ? GENERIC_WRITE : GENERIC_READ),
          share((flags & CFile::shareDenyWrite) ? FILE_SHARE_READ : 0),
          disposition(!(flags & CFile::modeCreate)      ? OPEN_EXISTING
                      : (flags & CFile::modeNoTruncate) ? OPEN_ALWAYS
                                                        : CREATE_ALWAYS) {}
    DWORD access;
    DWORD share;
    DWORD disposition;
};

[[noreturn]] void ThrowLastError() {
    ThrowFileError(GetLastError());
}

} // namespace

void ThrowFileError(unsigned long error) {
    throw CFileException(error, TrimmedSystemMessage(error));
}

void CFile::Open(const std::string& path, unsigned flags) {
    Open(ToWide(CP_UTF8, path), flags);
}

void CFile::Open(const std::wstring& path, unsigned flags) {
    Close();
    const CreateParameters create(flags);
    Attach(CreateFileW(path.c_str(), create.access, create.share, nullptr, create.disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr));
}

void CFile::Attach(HANDLE file) {
    if (file == INVALID_HANDLE_VALUE)
        ThrowLastError();
    m_file.Reset(file);
}

void CFile::Close() {
    const HANDLE file = m_file.Release();
    if (file != nullptr && !CloseHandle(file))
        ThrowLastError();
}

std::size_t CFile::Read(void* buffer, std::size_t count) {
    auto* out = static_cast<char*>(buffer);
    std::size_t total = 0;
    while (total < count) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
        DWORD read = 0;
        if (!ReadFile(m_file.Get(), out + total, chunk, &read, nullptr))
            ThrowLastError();
        if (read == 0)
            break;
        total += read;
    }
    return total;
}

void CFile::Write(const void* data, std::size_t count) {
    const auto* in = static_cast<const char*>(data);
    while (count != 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count, 1u << 30));
        DWORD written = 0;
        if (!WriteFile(m_file.Get(), in, chunk, &written, nullptr))
            ThrowLastError();
        if (written == 0) {
            SetLastError(ERROR_WRITE_FAULT);
            ThrowLastError();
        }
        in += written;
        count -= written;
    }
}

std::uint64_t CFile::GetLength() const {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_file.Get(), &size))
        ThrowLastError();
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::uint64_t CFile::GetRemaining() const {
    LARGE_INTEGER zero{}, position;
    if (!SetFilePointerEx(m_file.Get(), zero, &position, FILE_CURRENT))
        ThrowLastError();
    const std::uint64_t length = GetLength();
    const auto at = static_cast<std::uint64_t>(position.QuadPart);
    return at < length ? length - at : 0;
}

std::uint64_t CFile::SeekToEnd() {
    LARGE_INTEGER zero{}, position;
    if (!SetFilePointerEx(m_file.Get(), zero, &position, FILE_END))
        ThrowLastError();
    return static_cast<std::uint64_t>(position.QuadPart);
}

void CFile::SetLength(std::uint64_t length) {
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(length);
    if (!SetFilePointerEx(m_file.Get(), end, nullptr, FILE_BEGIN) || !SetEndOfFile(m_file.Get()))
        ThrowLastError();
}

void CStdioFile::WriteString(const std::string& text) {
    // In pieces, so that a long log needs no second copy of itself in memory.
    const std::size_t piece = 1u << 20;
    for (std::size_t at = 0; at < text.size(); at += piece) {
        const std::string stored =
            WithCrLf(text.substr(at, piece), at == 0 ? m_chLast : text[at - 1]);
        Write(stored.data(), stored.size());
    }
    if (!text.empty())
        m_chLast = text.back();
}
