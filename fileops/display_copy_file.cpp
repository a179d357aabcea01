#include "fileops/display_copy_file.h"

#include "imaging/ico_layout.h"

DisplayCopyResult WriteIconDisplayCopy(ByteSource& file, const FoundImage& entry, ColorRef maskColor, FileSystem& fs,
                                       const std::string& path, int64_t& icoFileSize) {
    std::vector<uint8_t> bmp;
    if (RenderIconDisplayCopy(file, entry, maskColor, bmp) != ImageRead::Ok) return DisplayCopyResult::SourceUnreadable;
    if (!WriteWholeFile(fs, path, bmp.data(), bmp.size())) return DisplayCopyResult::NotWritten;
    icoFileSize = IcoFileSize(entry);
    return DisplayCopyResult::Written;
}
