#pragma once
#include <string>
#include <vector>

#include "fileops/in_place_change.h"
#include "scan/found_image.h"

// Replacing an icon image inside the scanned file with the image of a
// one-image .ico file. The .ico's image is read where its directory entry
// says (dwImageOffset). It fits when
//   - 4 x colorCount + imageSize + 62 (the shown .ico size) = dwBytesInRes + 22,
//   - its biWidth and its (doubled) biHeight equal the icon's,
//   - its biSize is 40 and its bit count equals the icon's,
//   - and the .ico really holds dwBytesInRes bytes at dwImageOffset.
// Otherwise DifferentStyle. On success `image` holds the new image bytes
// (dwBytesInRes of them), to be written at entry.headerOffset.
ChangeResult CheckIconReplacement(ByteSource& file, const FoundImage& entry, ByteSource& ico,
                                  std::vector<uint8_t>& image);

// The whole replacement: check, backup (NextBackupName), change in place.
ChangeOutcome ReplaceIcon(FileSystem& fs, const std::string& path, const FoundImage& entry,
                          const std::string& icoPath, const MorePatches& more = nullptr);
