#pragma once
#include <string>
#include <vector>

#include "fileops/in_place_change.h"
#include "scan/found_image.h"

// Writing an edited palette back into the scanned file: 4 x colorCount bytes
// (blue, green, red, 0 per entry) at headerOffset + 40. Nothing else in the
// file changes. SourceUnreadable when the palette does not belong to the
// entry (wrong length, a 24-bit bitmap) or the file no longer holds it.
ChangeResult SavePaletteInPlace(FileSystem& fs, const std::string& path, const FoundImage& entry,
                                const std::vector<uint8_t>& palette, const std::string& backupPath);

// NextBackupName, then SavePaletteInPlace.
ChangeOutcome SavePalette(FileSystem& fs, const std::string& path, const FoundImage& entry,
                          const std::vector<uint8_t>& palette);
