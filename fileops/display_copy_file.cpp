#include "fileops/display_copy_file.h"

#include "fileops/swap_write.h"
#include "imaging/bmp_layout.h"
#include "imaging/ico_layout.h"

DisplayCopyResult WriteIconDisplayCopy(ByteSource& file, const FoundImage& entry, ColorRef maskColor, FileSystem& fs,
                                       const std::string& path, int64_t& icoFileSize) {
    std::vector<uint8_t> bmp;
    if (RenderIconDisplayCopy(file, entry, maskColor, bmp) != ImageRead::Ok) return DisplayCopyResult::SourceUnreadable;
    if (!WriteWholeFile(fs, path, bmp.data(), bmp.size())) return DisplayCopyResult::NotWritten;
    icoFileSize = IcoFileSize(entry);
    return DisplayCopyResult::Written;
}

DisplayCopyResult WriteBitmapFile(ByteSource& file, const FoundImage& entry, FileSystem& fs, const std::string& path,
                                  const std::vector<uint8_t>* palette) {
    std::vector<uint8_t> bmp;
    if (BuildBitmapFile(file, entry, bmp, palette) != ImageRead::Ok) return DisplayCopyResult::SourceUnreadable;
    if (!WriteNewFile(fs, path, bmp.data(), bmp.size())) return DisplayCopyResult::NotWritten;
    return DisplayCopyResult::Written;
}

DisplayCopyResult WriteIconFile(ByteSource& file, const FoundImage& entry, FileSystem& fs, const std::string& path) {
    std::vector<uint8_t> ico;
    if (BuildIconFile(file, entry, ico) != ImageRead::Ok) return DisplayCopyResult::SourceUnreadable;
    if (!WriteNewFile(fs, path, ico.data(), ico.size())) return DisplayCopyResult::NotWritten;
    return DisplayCopyResult::Written;
}
