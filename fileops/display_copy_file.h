#pragma once
#include <string>
#include <vector>

#include "fileops/file_system.h"
#include "imaging/icon_render.h"

enum class DisplayCopyResult {
    Written,
    SourceUnreadable,  // "Unable to open a source file."
    NotWritten,        // "Unable to make a temporary bitmap file."
};

// Renders entry `entry` of the scanned file and writes the BMP to `path`.
// On success `icoFileSize` is the size of the icon's one-image .ico file.
DisplayCopyResult WriteIconDisplayCopy(ByteSource& file, const FoundImage& entry, ColorRef maskColor, FileSystem& fs,
                                       const std::string& path, int64_t& icoFileSize);

// Copies the found bitmap as a .bmp file to `path` (the bitmap inspector's
// display copy, the galleries' and the Save commands' files). With `palette`
// the colour-changed variant. Written beside and swapped in (WriteNewFile): a
// file already at `path` stays whole if the write fails.
DisplayCopyResult WriteBitmapFile(ByteSource& file, const FoundImage& entry, FileSystem& fs, const std::string& path,
                                  const std::vector<uint8_t>* palette = nullptr);

// The one-image .ico of a found icon, written to `path` like WriteBitmapFile.
DisplayCopyResult WriteIconFile(ByteSource& file, const FoundImage& entry, FileSystem& fs, const std::string& path);
