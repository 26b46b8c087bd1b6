#pragma once
// Files of the framework. Failures throw CFileException with the system's text.

#include "framework/UniqueHandle.h"
#include "framework/core/Archive.h"

#include <cstdint>
#include <string>

// Throws the CFileException of the system error code, with the system's text for it.
[[noreturn]] void ThrowFileError(unsigned long error);

class CFile : public ArchiveStream {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        // Others may read the file while it is open.
        shareDenyWrite = 0x0020,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };

    CFile() = default;
    // A path in UTF-8 or UTF-16.
    CFile(const std::string& path, unsigned flags) { Open(path, flags); }
    CFile(const std::wstring& path, unsigned flags) { Open(path, flags); }
    // A file its caller has opened and checked already.
    explicit CFile(FileHandle file) : m_file(std::move(file)) {}

    void Open(const std::string& path, unsigned flags);
    void Open(const std::wstring& path, unsigned flags);
    void Close();

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* data, std::size_t count) override;
    std::uint64_t GetRemaining() const override;
    std::uint64_t GetLength() const;
    std::uint64_t SeekToEnd();
    // Cuts or extends the file to length bytes.
    void SetLength(std::uint64_t length);

private:
    void Attach(HANDLE file);

    FileHandle m_file;
};

// A file written as text: every line feed reaches the file as CR LF (WithCrLf), also one at the
// start of a text after one that ended with a carriage return.
class CStdioFile : public CFile {
public:
    using CFile::CFile;
    void WriteString(const std::string& text);

private:
    // The last character written, which decides a line feed that comes first in the next text.
    char m_chLast = '\0';
};
