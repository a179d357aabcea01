#include "fileops/palette_writeback.h"

namespace {

bool FitsEntry(const FoundImage& entry, const std::vector<uint8_t>& palette) {
    return entry.bitCount != 24 && entry.colorCount > 0 && entry.colorCount <= 256 && entry.headerOffset >= 0 &&
           palette.size() == 4 * static_cast<size_t>(entry.colorCount);
}

}  // namespace

ChangeResult SavePaletteInPlace(FileSystem& fs, const std::string& path, const FoundImage& entry,
                                const std::vector<uint8_t>& palette, const std::string& backupPath) {
    if (!FitsEntry(entry, palette)) return ChangeResult::SourceUnreadable;
    return ChangeInPlace(fs, path, backupPath, int64_t{entry.headerOffset} + 40, palette);
}

ChangeOutcome SavePalette(FileSystem& fs, const std::string& path, const FoundImage& entry,
                          const std::vector<uint8_t>& palette) {
    ChangeOutcome outcome;
    if (!FitsEntry(entry, palette)) {
        outcome.result = ChangeResult::SourceUnreadable;
        return outcome;
    }
    return ChangeWithBackup(fs, path, int64_t{entry.headerOffset} + 40, palette);
}
