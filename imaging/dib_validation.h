#pragma once
#include <cstddef>
#include <cstdint>

// Reading a BMP file for display: the 14-byte file header is kept apart, the
// rest of the file (info header, colour table, bits) is one block. These
// checks make sure that painting the block never reads outside it.
enum class DibStatus {
    Ok,
    FileHeaderShort,  // "Unable to read bitmap file header."
    BadMagic,         // "Bad magic number (0x%04x) in bitmap."
    NoMemory,         // "Unable to allocate space for bitmap.": the caller's allocation failed, or
                      // compressed bits would expand to more than kMaxPixels pixels
    BodyShort,        // "Unable to read bitmap info header.": the file is shorter than bfSize,
                      // or its colour table or bits would lie outside it
    BadInfoSize,      // "Illegal structure size is found in info header."
};

struct DibFileHeader {
    uint16_t type = 0;     // "BM" is 0x4D42
    uint32_t size = 0;     // bfSize: the whole file
    uint32_t offBits = 0;  // bfOffBits: where the bits start in the file, 0 for "after the colour table"
};

// Where the parts lie in the block (offsets from its start, the info header).
struct DibLayout {
    int32_t colorEntries = 0;
    size_t colors = 40;
    size_t bits = 0;
    size_t bitsSize = 0;  // bytes of bits that painting may read
};

// The first `count` bytes of the file. BodyShort when bfSize cannot even hold
// an info header.
DibStatus ReadDibFileHeader(const uint8_t* bytes, size_t count, DibFileHeader& header);

// Validates the block of `blockSize` bytes read from byte 14 on, and fills in
// what the file left open: biClrUsed (when 0: 2, 16 or 256 entries for 1, 4
// and 8 bits; none for 16, 24 and 32 bits) and biSizeImage (when 0: the rows
// rounded to 32-bit words times the height).
DibStatus ValidateDibBlock(const DibFileHeader& header, uint8_t* block, size_t blockSize, DibLayout& layout);
