#pragma once
// The stored form of tezvan's sample bank, the one home of its layout: the bank's writer
// (tools/make_tezvan_bank) and its reader (SampleBank) both take it from here. Plain
// constants, so the tool includes them without linking the core that carries the bank.
//
// The bank is one byte container (our own, little-endian):
//   8 bytes   magic "TZVBANK1"
//   4 bytes   item count, unsigned
//   per item, in index order:
//     1 byte  description length L (0..255), then L single-byte characters
//     4 bytes ident, signed
//     4 bytes length V of the item's "Internal" value, unsigned, then the V bytes
// The "Internal" value of an item:
//   1 byte    flags (Flag below); bits 4..7 are zero
//   if HasDescription: 1 byte length L, then L characters (replaces the description;
//             without the flag the description becomes empty)
//   if HasIdent: 4 bytes ident, signed (replaces the ident; without the flag it becomes 0)
//   if HasSample: 4 bytes sample length N, unsigned, then N bytes: a complete RIFF/WAVE image
// A sample must start "RIFF" at 0, "WAVE" at 8, "fmt " at 12 and hold at least
// kShortestSample bytes (up to the block align of the "fmt " chunk).

#include <cstdint>

namespace tezvan::bank_layout {

inline constexpr char kMagic[] = "TZVBANK1";
inline constexpr int kMagicSize = 8;
inline constexpr int kLongestDescription = 255;

// The flags byte of an item's "Internal" value.
enum Flag : std::uint8_t {
    Compressed = 0x01, // the sample is stored compressed (the reader refuses it; never written)
    HasDescription = 0x02,
    HasIdent = 0x04,
    HasSample = 0x08,
};
inline constexpr std::uint8_t kUnknownFlags = 0xF0;

inline constexpr int kShortestSample = 34;

} // namespace tezvan::bank_layout
