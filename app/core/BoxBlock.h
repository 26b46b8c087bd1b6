#pragma once
// The block after the style word that carries a design's extras. A 1.0 reader ignores everything
// after the style word, so it shows the standard box of the same style word; every answer keeps
// its number because own words only replace the words of the same buttons.
//
// Layout (integers little-endian, as in the rest of the file):
//   4  "ZBOX" (5A 42 4F 58)
//   2  block version, 1; a reader ignores a block of a version it does not know
//   4  n, the number of bytes of the fields that follow
//   n  fields, each a 16-bit tag, a 32-bit size and that many bytes
// Fields, written in this order, then the kept ones as they were read:
//   tag 1, own button words: a 32-bit count (the set's number of buttons), then for each word a
//          32-bit length in UTF-16 units and the UTF-16LE units; no word is empty
//   tag 2, countdown: 32-bit seconds (1 to 86400), 32-bit answer (a button number of the set or
//          32000, timed out)
// A field of another tag is skipped and kept. A reader that knows a tag takes its field whole or
// ignores the block. Bytes after the block are ignored. A design with no field has no block, so
// it is stored byte for byte as 1.0 stores it.

#include "app/core/BoxExtras.h"

#include <cstdint>
#include <string>

class CArchive;

namespace box_block {
constexpr unsigned char kMagic[4] = {'Z', 'B', 'O', 'X'};
constexpr std::uint16_t kVersion = 1;
constexpr std::uint16_t kTagButtonTexts = 1;
constexpr std::uint16_t kTagCountdown = 2;
} // namespace box_block

// What the reader made of the bytes after the style word.
struct BoxBlockRead {
    enum Outcome { NoBlock, Read, Ignored };
    Outcome outcome = NoBlock;
    // Why a block was ignored, in words: "the box block at byte 24 is cut short at byte 30".
    std::string problem;
};

// Reads the block, if the bytes after the style word begin one, for a design of button set set.
// extras changes only when the block is read whole and sound. Allocates no more than the bytes
// that are there; never throws for what the bytes hold.
BoxBlockRead ReadBoxBlock(CArchive& ar, std::uint32_t set, BoxExtras& extras);
// Writes the block of extras; nothing when they are empty.
void WriteBoxBlock(CArchive& ar, const BoxExtras& extras);
