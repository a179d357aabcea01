#pragma once
#include "scan/image_scanner.h"

// What the programs' icon searches leave out by design, found by a raw scan
// of the same kind: 32-bit icon images (a BITMAPINFOHEADER of 32 bits, no
// compression, no palette, no pixels per metre, the XOR bitmap with alpha and
// the AND mask inside the file) and PNG icon images (the PNG signature and an
// IHDR of at most 256 x 256 with a correct CRC, up to the next IEND within
// 1 MiB). Each candidate costs a fixed number of bytes, a found image is
// skipped whole and the search for IEND only moves forward: linear time, every
// read inside the file. `upTo64`: the galleries' limit.
//
// Returns false when reading failed.
bool FindModernIcons(ByteSource& source, bool upTo64, std::vector<FoundImage>& found);

// A search with options.allKinds: the entries of ScanImages and the modern
// icon images that overlap none of them, in file order, cut at options.limit
// (LimitReached). Without allKinds (or for bitmaps), ScanImages itself.
ScanResult ScanAllKinds(ByteSource& source, const ScanOptions& options);

// A 32-bit or PNG icon image: one that only the all-kinds search finds.
inline bool IsModernIcon(const FoundImage& entry) {
    return entry.format == ImageFormat::Png || entry.bitCount == 32;
}
