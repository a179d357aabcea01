#pragma once
#include <cstdint>

#include "scan/found_image.h"

// The header and size rules of the four searches, on the 40 header bytes of a
// candidate (bytes past the end of the file are 0).
constexpr int kHeaderSize = 40;

struct ScanRules {
    bool icons = true;        // icon rules, else bitmap rules
    bool upTo64 = false;      // galleries' icons: at most 64 x 64
};

inline uint32_t ReadU32(const uint8_t* b) {
    return static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 | static_cast<uint32_t>(b[2]) << 16 |
           static_cast<uint32_t>(b[3]) << 24;
}
inline int32_t ReadS32(const uint8_t* b) { return static_cast<int32_t>(ReadU32(b)); }

// First stage: could these 40 bytes start an image at all? Inline: the scan
// calls it for every byte 40 of a file.
inline bool PassesHeaderTest(const uint8_t* h, const ScanRules& rules) {
    if (h[1] != 0 || h[2] != 0 || h[3] != 0) return false;        // biSize is 40
    if (h[12] != 1 || h[13] != 0) return false;                   // one plane
    const uint8_t bits = h[14];
    if ((bits != 1 && bits != 4 && bits != 8 && bits != 24) || h[15] != 0) return false;
    if (h[17] != 0 || h[18] != 0 || h[19] != 0) return false;     // biCompression < 256
    if (!rules.icons) return true;
    for (int i = 24; i < 32; ++i) {                               // no pixels per metre
        if (h[i] != 0) return false;
    }
    // A two-colour icon declares 0 or 2 palette entries.
    if (bits == 1) {
        const uint32_t used = ReadU32(h + 32);
        if (used != 0 && used != 2) return false;
    }
    return true;
}

// Second stage, first part: the fields of a candidate that passed the header
// test. Returns false when the candidate is dropped at once (the scan then goes
// on one byte after it).
bool ReadCandidate(const uint8_t* header, int64_t offset, const ScanRules& rules, FoundImage& out);

// The extent of an accepted entry: header, palette and image data (a PNG
// image: its bytes).
int64_t EntryEnd(const FoundImage& entry);

// Icons: the size rule; fills maskSize and may add it to imageSize.
bool AcceptIconSize(FoundImage& entry);

// Bitmaps: the size rule by bit count. Compressed bitmaps pass here; those
// for which NeedsRleCheck holds must also pass the byte check of their bits.
bool AcceptBitmapSize(const FoundImage& entry);

// Compressed 4- and 8-bit bitmaps whose palette is smaller than the values
// their bits can hold: every byte of the bits must stay below colorCount (both
// nibbles, for 4 bits).
bool NeedsRleCheck(const FoundImage& entry);

inline bool IsBadRleByte(uint8_t value, int32_t bitCount, int32_t colorCount) {
    if (bitCount == 4) return (value >> 4) >= colorCount || (value & 0x0F) >= colorCount;
    return value >= colorCount;
}
