#include "fileops/icon_replacement.h"

#include "imaging/ico_layout.h"
#include "scan/scan_rules.h"

namespace {

// Reads exactly `count` bytes; -1 when reading failed, 0 when the source is
// too short, 1 when done.
int ReadExactly(ByteSource& source, int64_t offset, uint8_t* out, size_t count) {
    if (offset < 0 || offset > source.Size() - static_cast<int64_t>(count)) return 0;
    const int64_t n = source.ReadAt(offset, out, count);
    if (n < 0) return -1;
    return n == static_cast<int64_t>(count) ? 1 : 0;
}

}  // namespace

ChangeResult CheckIconReplacement(ByteSource& file, const FoundImage& entry, ByteSource& ico,
                                  std::vector<uint8_t>& image) {
    // The icon as it stands in the file now.
    const int64_t length = IcoImageLength(entry);
    uint8_t header[40];
    if (length < 40 || entry.headerOffset < 0 || entry.headerOffset > file.Size() - length ||
        ReadExactly(file, entry.headerOffset, header, sizeof header) != 1) {
        return ChangeResult::SourceUnreadable;
    }

    uint8_t directory[kIcoDirectorySize];
    const int readDirectory = ReadExactly(ico, 0, directory, sizeof directory);
    if (readDirectory < 0) return ChangeResult::NewImageUnreadable;
    if (readDirectory == 0) return ChangeResult::DifferentStyle;
    const uint32_t bytesInRes = ReadU32(directory + 14);
    const uint32_t imageOffset = ReadU32(directory + 18);
    // The shown .ico size (4 x colorCount + imageSize + 62) against the chosen one.
    if (int64_t{bytesInRes} != length) {
        return ChangeResult::DifferentStyle;
    }
    image.assign(bytesInRes, 0);
    const int readImage = ReadExactly(ico, imageOffset, image.data(), image.size());
    if (readImage < 0) return ChangeResult::NewImageUnreadable;
    if (readImage == 0) return ChangeResult::DifferentStyle;  // promises more than it holds

    const uint8_t* chosen = image.data();
    if (ReadU32(chosen) != 40 || ReadS32(chosen + 4) != ReadS32(header + 4) ||
        ReadS32(chosen + 8) != ReadS32(header + 8) || chosen[14] != header[14] || chosen[15] != header[15]) {
        return ChangeResult::DifferentStyle;
    }
    return ChangeResult::Done;
}

ChangeOutcome ReplaceIcon(FileSystem& fs, const std::string& path, const FoundImage& entry,
                          const std::string& icoPath, const MorePatches& more) {
    return ReplaceWithChosenImage(fs, path, entry, icoPath, CheckIconReplacement, more);
}
