#include "Archive.h"

#include "framework/core/AnsiCodePage.h"
#include "framework/core/Exception.h"

#include <algorithm>
#include <cstring>
#include <new>

MemoryStream::MemoryStream(const void* data, std::size_t size)
    : m_bytes(static_cast<const unsigned char*>(data),
              static_cast<const unsigned char*>(data) + size) {}

std::size_t MemoryStream::Read(void* buffer, std::size_t count) {
    const std::size_t n = std::min(count, m_bytes.size() - m_position);
    if (n != 0)
        std::memcpy(buffer, m_bytes.data() + m_position, n);
    m_position += n;
    return n;
}

void MemoryStream::Write(const void* data, std::size_t count) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    m_bytes.insert(m_bytes.end(), bytes, bytes + count);
}

CArchive::CArchive(ArchiveStream& stream, Mode mode, std::size_t bufferSize)
    : m_stream(stream), m_mode(mode), m_buffer(std::max<std::size_t>(bufferSize, 16)) {}

std::uint64_t CArchive::GetRemaining() const {
    return (m_end - m_begin) + m_stream.GetRemaining();
}

void CArchive::ReadBytes(void* buffer, std::size_t count) {
    auto* out = static_cast<unsigned char*>(buffer);
    while (count != 0) {
        if (m_begin == m_end) {
            m_begin = 0;
            m_end = m_stream.Read(m_buffer.data(), m_buffer.size());
            if (m_end == 0)
                throw CArchiveException(CArchiveException::endOfFile);
        }
        const std::size_t n = std::min(count, m_end - m_begin);
        std::memcpy(out, m_buffer.data() + m_begin, n);
        m_begin += n;
        m_position += n;
        out += n;
        count -= n;
    }
}

std::uint8_t CArchive::ReadUInt8() {
    unsigned char b;
    ReadBytes(&b, 1);
    return b;
}

std::uint16_t CArchive::ReadUInt16() {
    unsigned char b[2];
    ReadBytes(b, sizeof b);
    return static_cast<std::uint16_t>(b[0] | b[1] << 8);
}

std::uint32_t CArchive::ReadUInt32() {
    unsigned char b[4];
    ReadBytes(b, sizeof b);
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

double CArchive::ReadDouble() {
    const std::uint64_t low = ReadUInt32();
    const std::uint64_t bits = low | static_cast<std::uint64_t>(ReadUInt32()) << 32;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint64_t CArchive::ReadStringLength(bool& wide, std::uint64_t recordOffset) {
    wide = false;
    for (;;) {
        const std::uint8_t length8 = ReadUInt8();
        if (length8 < 0xFF)
            return length8;
        const std::uint16_t length16 = ReadUInt16();
        if (length16 == 0xFFFE) {
            if (wide)
                throw CArchiveException(CArchiveException::badFormat, recordOffset);
            wide = true;
            continue;
        }
        if (length16 < 0xFFFF)
            return length16;
        return ReadUInt32();
    }
}

std::u16string CArchive::ReadString() {
    const std::uint64_t recordOffset = m_position;
    bool wide = false;
    const std::uint64_t length = ReadStringLength(wide, recordOffset);
    const std::uint64_t bytes = wide ? length * 2 : length;
    if (bytes > GetRemaining())
        throw CArchiveException(CArchiveException::endOfFile, recordOffset);
    try {
        if (!wide) {
            std::string text(static_cast<std::size_t>(length), '\0');
            if (length != 0)
                ReadBytes(&text[0], text.size());
            return AnsiToUnicode(text);
        }
        std::u16string units(static_cast<std::size_t>(length), u'\0');
        for (char16_t& unit : units)
            unit = ReadUInt16();
        return units;
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    }
}

void CArchive::WriteBytes(const void* data, std::size_t count) {
    const auto* in = static_cast<const unsigned char*>(data);
    while (count != 0) {
        if (m_end == m_buffer.size()) {
            m_stream.Write(m_buffer.data(), m_end);
            m_end = 0;
        }
        const std::size_t n = std::min(count, m_buffer.size() - m_end);
        std::memcpy(m_buffer.data() + m_end, in, n);
        m_end += n;
        in += n;
        count -= n;
    }
}

void CArchive::WriteUInt32(std::uint32_t value) {
    const unsigned char b[4] = {
        static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
        static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    WriteBytes(b, sizeof b);
}

void CArchive::WriteDouble(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    WriteUInt32(static_cast<std::uint32_t>(bits));
    WriteUInt32(static_cast<std::uint32_t>(bits >> 32));
}

void CArchive::WriteStringLength(std::size_t n) {
    if (n < 0xFF) {
        const unsigned char b = static_cast<unsigned char>(n);
        WriteBytes(&b, 1);
        return;
    }
    const unsigned char marker = 0xFF;
    WriteBytes(&marker, 1);
    // 0xFFFE would be the wide marker, so it takes the longest form.
    const std::uint16_t length16 = n < 0xFFFE ? static_cast<std::uint16_t>(n) : 0xFFFF;
    const unsigned char b[2] = {static_cast<unsigned char>(length16),
                                static_cast<unsigned char>(length16 >> 8)};
    WriteBytes(b, sizeof b);
    if (length16 == 0xFFFF)
        WriteUInt32(static_cast<std::uint32_t>(n));
}

void CArchive::WriteString(const std::string& text) {
    WriteStringLength(text.size());
    WriteBytes(text.data(), text.size());
}

void CArchive::WriteWideString(const std::u16string& text) {
    const unsigned char marker[3] = {0xFF, 0xFE, 0xFF};
    WriteBytes(marker, sizeof marker);
    WriteStringLength(text.size());
    for (const char16_t unit : text) {
        const unsigned char b[2] = {static_cast<unsigned char>(unit),
                                    static_cast<unsigned char>(unit >> 8)};
        WriteBytes(b, sizeof b);
    }
}

void CArchive::Close() {
    if (m_mode == store && m_end != 0) {
        m_stream.Write(m_buffer.data(), m_end);
        m_end = 0;
    }
}
