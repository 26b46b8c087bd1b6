#pragma once
// Binary archive over a byte stream: little-endian numbers and length-prefixed strings.
// Every read that finds too few bytes throws CArchiveException(endOfFile); one of a string whose
// length reaches beyond the end also names where that string's record begins.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What an archive reads from or writes to.
class ArchiveStream {
public:
    virtual ~ArchiveStream() = default;
    // Reads up to count bytes; fewer only at the end of the stream.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual void Write(const void* data, std::size_t count) = 0;
    // Bytes from the current position to the end.
    virtual std::uint64_t GetRemaining() const = 0;
};

// A stream over bytes in memory.
class MemoryStream : public ArchiveStream {
public:
    MemoryStream() = default;
    MemoryStream(const void* data, std::size_t size);
    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* data, std::size_t count) override;
    std::uint64_t GetRemaining() const override { return m_bytes.size() - m_position; }
    const std::vector<unsigned char>& Bytes() const { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
    std::size_t m_position = 0;
};

class CArchive {
public:
    enum Mode { load, store };
    CArchive(ArchiveStream& stream, Mode mode, std::size_t bufferSize = 4096);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }
    // Bytes read so far, from where the archive began.
    std::uint64_t GetPosition() const { return m_position; }

    double ReadDouble();
    std::uint32_t ReadUInt32();
    // A string record: 8-bit characters, or UTF-16 ones after the wide marker,
    // which are converted to the ANSI code page.
    std::string ReadString();

    // Raw bytes, for records of their own layout. Bytes left to read, buffered ones included.
    void ReadBytes(void* buffer, std::size_t count);
    void WriteBytes(const void* data, std::size_t count);
    std::uint64_t GetRemaining() const;

    void WriteDouble(double value);
    void WriteUInt32(std::uint32_t value);
    void WriteString(const std::string& text);

    // Writes what is buffered. A storing archive must be closed for its data to reach the stream.
    void Close();

private:
    std::uint8_t ReadUInt8();
    std::uint16_t ReadUInt16();
    std::uint64_t ReadStringLength(bool& wide, std::uint64_t recordOffset);

    ArchiveStream& m_stream;
    Mode m_mode;
    std::vector<unsigned char> m_buffer;
    std::size_t m_begin = 0; // next unread byte when loading
    std::size_t m_end = 0;   // end of the buffered bytes
    std::uint64_t m_position = 0;
};

// UTF-16 code units to the ANSI code page (the platform's conversion).
std::string WideToAnsi(const std::u16string& wide);
