#include "fileops/bitmap_replacement.h"

#include "imaging/bmp_layout.h"
#include "scan/scan_rules.h"

ChangeResult CheckBitmapReplacement(ByteSource& file, const FoundImage& entry, ByteSource& bmp,
                                    std::vector<uint8_t>& image) {
    uint8_t head[kBmpFileHeaderSize + 12] = {};  // up to biHeight
    const int64_t headRead = bmp.ReadAt(0, head, sizeof head);
    if (headRead < 0) return ChangeResult::NewImageUnreadable;
    if (headRead < 2 || head[0] != 'B' || head[1] != 'M') return ChangeResult::NotABitmapFile;

    const int64_t expectedSize = BitmapFileSize(entry);
    uint8_t header[12];
    if (expectedSize < kBmpFileHeaderSize + kInfoHeaderSize || entry.headerOffset < 0 ||
        entry.headerOffset > file.Size() - (expectedSize - kBmpFileHeaderSize) ||
        file.ReadAt(entry.headerOffset, header, sizeof header) != static_cast<int64_t>(sizeof header)) {
        return ChangeResult::SourceUnreadable;
    }
    if (headRead < static_cast<int64_t>(sizeof head)) return ChangeResult::NotABitmapFile;

    const uint32_t fileSize = ReadU32(head + 2);
    const uint32_t offBits = ReadU32(head + 10);
    if (fileSize != expectedSize || offBits != expectedSize - entry.imageSize ||
        ReadS32(head + 18) != ReadS32(header + 4) || ReadS32(head + 22) != ReadS32(header + 8)) {
        return ChangeResult::DifferentStyle;
    }
    if (bmp.Size() < fileSize) return ChangeResult::NotABitmapFile;  // promises more than it holds
    image.assign(fileSize - kBmpFileHeaderSize, 0);
    const int64_t n = bmp.ReadAt(kBmpFileHeaderSize, image.data(), image.size());
    if (n < 0) return ChangeResult::NewImageUnreadable;
    if (n != static_cast<int64_t>(image.size())) return ChangeResult::NotABitmapFile;
    return ChangeResult::Done;
}

ChangeOutcome ReplaceBitmap(FileSystem& fs, const std::string& path, const FoundImage& entry,
                            const std::string& bmpPath, const MorePatches& more) {
    return ReplaceWithChosenImage(fs, path, entry, bmpPath, CheckBitmapReplacement, more);
}
