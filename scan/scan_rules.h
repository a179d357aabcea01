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

uint32_t ReadU32(const uint8_t* bytes);
int32_t ReadS32(const uint8_t* bytes);

// First stage: could these 40 bytes start an image at all?
bool PassesHeaderTest(const uint8_t* header, const ScanRules& rules);

// Second stage, first part: the fields of a candidate that passed the header
// test. Returns false when the candidate is dropped at once (the scan then goes
// on one byte after it).
bool ReadCandidate(const uint8_t* header, int64_t offset, const ScanRules& rules, FoundImage& out);

// The extent of an accepted entry: header, palette and image data.
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
