#include "BoxBlock.h"

#include "framework/core/Archive.h"

#include <algorithm>
#include <cstring>
#include <iterator>

using namespace box_block;

namespace {

constexpr std::size_t kHeaderSize = sizeof kMagic + 2 + 4;

std::string Number(std::uint64_t value) {
    return std::to_string(value);
}

// Little-endian numbers from bytes already in memory; every read checks what is left first.
class Cursor {
public:
    Cursor(const unsigned char* data, std::size_t size) : m_data(data), m_size(size) {}

    std::size_t Left() const { return m_size - m_position; }
    std::size_t Position() const { return m_position; }
    bool Read16(std::uint16_t& value) {
        if (Left() < 2)
            return false;
        value = static_cast<std::uint16_t>(m_data[m_position] | m_data[m_position + 1] << 8);
        m_position += 2;
        return true;
    }
    bool Read32(std::uint32_t& value) {
        if (Left() < 4)
            return false;
        const unsigned char* b = m_data + m_position;
        value = b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
        m_position += 4;
        return true;
    }
    const unsigned char* Take(std::size_t count) {
        const unsigned char* begin = m_data + m_position;
        m_position += count;
        return begin;
    }

private:
    const unsigned char* m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};

void Put16(std::vector<unsigned char>& out, std::uint16_t value) {
    out.push_back(static_cast<unsigned char>(value));
    out.push_back(static_cast<unsigned char>(value >> 8));
}

void Put32(std::vector<unsigned char>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<unsigned char>(value >> shift));
}

void PutField(std::vector<unsigned char>& out, std::uint16_t tag,
              const std::vector<unsigned char>& data) {
    Put16(out, tag);
    Put32(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
}

// One field's content; empty when sound, otherwise what is wrong with it.
std::string ReadButtonTexts(Cursor field, std::uint32_t set, BoxExtras& extras) {
    std::uint32_t count = 0;
    if (!field.Read32(count))
        return "its button words have no count";
    const std::size_t buttons = ButtonsOfSet(set).size();
    if (count != buttons)
        return "it has " + Number(count) + " button words for a set of " + Number(buttons) +
               " buttons";
    std::vector<std::u16string> words;
    for (std::uint32_t i = 1; i <= count; ++i) {
        std::uint32_t units = 0;
        if (!field.Read32(units) || units > field.Left() / 2)
            return "its button word " + Number(i) + " reaches beyond its field";
        if (units == 0)
            return "its button word " + Number(i) + " is empty";
        const unsigned char* bytes = field.Take(units * std::size_t{2});
        std::u16string word(units, u'\0');
        for (std::uint32_t u = 0; u < units; ++u)
            word[u] = static_cast<char16_t>(bytes[2 * u] | bytes[2 * u + 1] << 8);
        words.push_back(std::move(word));
    }
    if (field.Left() != 0)
        return "its button words are followed by " + Number(field.Left()) + " stray bytes";
    extras.buttonTexts = std::move(words);
    return std::string();
}

std::string ReadCountdown(Cursor field, std::uint32_t set, BoxExtras& extras) {
    Countdown countdown;
    if (!field.Read32(countdown.seconds) || !field.Read32(countdown.answer) || field.Left() != 0)
        return "its countdown is not 8 bytes long";
    if (countdown.seconds < 1 || countdown.seconds > kMaxCountdownSeconds)
        return "its countdown of " + Number(countdown.seconds) + " seconds is not from 1 to 86400";
    if (countdown.answer != kTimedOut && !SetHasNumber(set, countdown.answer))
        return "its countdown answers " + Number(countdown.answer) +
               ", which is no button of the set";
    extras.countdown = countdown;
    return std::string();
}

// The fields of a block; empty when every one is sound.
std::string ReadFields(Cursor fields, std::uint64_t fieldsOffset, std::uint32_t set,
                       BoxExtras& extras) {
    bool seen[3] = {};
    while (fields.Left() != 0) {
        const std::uint64_t at = fieldsOffset + fields.Position();
        std::uint16_t tag = 0;
        std::uint32_t size = 0;
        if (!fields.Read16(tag) || !fields.Read32(size) || size > fields.Left())
            return "its field at byte " + Number(at) + " reaches beyond the block";
        const unsigned char* data = fields.Take(size);
        if (tag != kTagButtonTexts && tag != kTagCountdown) {
            extras.keptFields.push_back({tag, std::vector<unsigned char>(data, data + size)});
            continue;
        }
        const Cursor field(data, size);
        if (seen[tag])
            return "its field " + Number(tag) + " at byte " + Number(at) + " is there twice";
        seen[tag] = true;
        const std::string problem = tag == kTagButtonTexts ? ReadButtonTexts(field, set, extras)
                                                           : ReadCountdown(field, set, extras);
        if (!problem.empty())
            return problem;
    }
    return std::string();
}

} // namespace

BoxBlockRead ReadBoxBlock(CArchive& ar, std::uint32_t set, BoxExtras& extras) {
    BoxBlockRead read;
    const std::uint64_t start = ar.GetPosition();
    const std::uint64_t remaining = ar.GetRemaining();
    unsigned char header[kHeaderSize];
    const std::size_t magicBytes =
        static_cast<std::size_t>(std::min<std::uint64_t>(remaining, sizeof kMagic));
    ar.ReadBytes(header, magicBytes);
    if (magicBytes == 0 || std::memcmp(header, kMagic, magicBytes) != 0)
        return read; // no block: whatever follows the style word is ignored, as 1.0 ignores it
    read.outcome = BoxBlockRead::Ignored;
    const std::string block = "the box block at byte " + Number(start);
    if (remaining < kHeaderSize) {
        read.problem = block + " is cut short at byte " + Number(start + remaining);
        return read;
    }
    ar.ReadBytes(header + sizeof kMagic, kHeaderSize - sizeof kMagic);
    Cursor head(header + sizeof kMagic, kHeaderSize - sizeof kMagic);
    std::uint16_t version = 0;
    std::uint32_t size = 0;
    head.Read16(version);
    head.Read32(size);
    if (version != kVersion) {
        read.problem = block + " has version " + Number(version) + ", which is not known here";
        return read;
    }
    if (size > ar.GetRemaining()) {
        read.problem = block + " is cut short at byte " + Number(start + remaining);
        return read;
    }
    std::vector<unsigned char> fields(size);
    if (size != 0)
        ar.ReadBytes(fields.data(), size);
    BoxExtras found;
    const std::string problem =
        ReadFields(Cursor(fields.data(), fields.size()), start + kHeaderSize, set, found);
    if (!problem.empty()) {
        read.problem = block + " is malformed: " + problem;
        return read;
    }
    extras = std::move(found);
    read.outcome = BoxBlockRead::Read;
    return read;
}

void WriteBoxBlock(CArchive& ar, const BoxExtras& extras) {
    if (extras.Empty())
        return;
    std::vector<unsigned char> fields;
    if (!extras.buttonTexts.empty()) {
        std::vector<unsigned char> data;
        Put32(data, static_cast<std::uint32_t>(extras.buttonTexts.size()));
        for (const std::u16string& word : extras.buttonTexts) {
            Put32(data, static_cast<std::uint32_t>(word.size()));
            for (const char16_t unit : word)
                Put16(data, unit);
        }
        PutField(fields, kTagButtonTexts, data);
    }
    if (extras.countdown) {
        std::vector<unsigned char> data;
        Put32(data, extras.countdown->seconds);
        Put32(data, extras.countdown->answer);
        PutField(fields, kTagCountdown, data);
    }
    for (const KeptField& kept : extras.keptFields)
        PutField(fields, kept.tag, kept.data);
    std::vector<unsigned char> block(std::begin(kMagic), std::end(kMagic));
    Put16(block, kVersion);
    Put32(block, static_cast<std::uint32_t>(fields.size()));
    block.insert(block.end(), fields.begin(), fields.end());
    ar.WriteBytes(block.data(), block.size());
}
