#pragma once
// Turns fuzz input into a found image and the file it lies in: the first 24
// bytes are the entry's fields, the rest is the file. Half of the time the
// fields are taken from what the icon search finds instead, so that real
// headers with random bits are reached too.
#include <cstdint>
#include <cstring>
#include <vector>

#include "scan/image_scanner.h"

struct FuzzImage {
    std::vector<uint8_t> file;
    std::vector<FoundImage> entries;
};

inline int32_t FuzzField(const uint8_t* data, int index) {
    int32_t value;
    std::memcpy(&value, data + 4 * index, 4);
    return value;
}

inline bool MakeFuzzImage(const uint8_t* data, size_t size, SearchKind kind, FuzzImage& out) {
    if (size < 24) return false;
    out.file.assign(data + 24, data + size);
    if (data[0] & 1) {
        MemorySource source(out.file);
        ScanOptions options;
        options.kind = kind;
        out.entries = ScanImages(source, options).entries;
        return true;
    }
    FoundImage e;
    e.headerOffset = FuzzField(data, 1) % 4096;
    e.colorCount = FuzzField(data, 2) % 300;
    e.imageSize = FuzzField(data, 3) % 8192;
    e.maskSize = FuzzField(data, 4) % 8192;
    const int bitCounts[] = {1, 4, 8, 24};
    e.bitCount = bitCounts[(data[0] >> 1) & 3];
    e.isCompressed = (data[0] >> 3) & 1;
    out.entries.push_back(e);
    return true;
}
