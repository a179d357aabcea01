#pragma once
#include <string>
#include <vector>

#include "fileops/in_place_change.h"
#include "scan/found_image.h"

// Replacing a bitmap inside the scanned file with the bitmap of a .bmp file.
// The .bmp must begin with "BM" and hold the bfSize bytes it declares (else
// NotABitmapFile); it fits when bfSize = 54 + 4 x colorCount + imageSize,
// bfOffBits = 54 + 4 x colorCount and its biWidth and biHeight equal the
// bitmap's (else DifferentStyle). Bit count and compression are not compared.
// On success `image` holds the .bmp from offset 14 (bfSize - 14 bytes), to be
// written at entry.headerOffset.
ChangeResult CheckBitmapReplacement(ByteSource& file, const FoundImage& entry, ByteSource& bmp,
                                    std::vector<uint8_t>& image);

// The whole replacement: check, backup (NextBackupName), change in place.
ChangeOutcome ReplaceBitmap(FileSystem& fs, const std::string& path, const FoundImage& entry,
                          const std::string& bmpPath, const MorePatches& more = nullptr);
