#include "fileops/gallery_save.h"


#include "fileops/swap_write.h"
#include "imaging/bmp_layout.h"

std::string NumberedName(const std::string& stem, size_t index, const char* extension) {
    std::string digits = std::to_string(index);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return stem + digits + extension;
}

std::string SaveAllTargetName(const std::string& savePath, int index, const char* extension) {
    const std::string stem = savePath.size() >= 4 ? savePath.substr(0, savePath.size() - 4) : std::string();
    return NumberedName(stem, static_cast<size_t>(index), extension);
}

SaveRunOutcome RunSave(FileSystem& fs, ByteSource& source, const SaveRun& run) {
    SaveRunOutcome outcome;
    bool yesToAll = false;
    for (int i = run.first; i <= run.last; ++i) {
        const std::string target = run.saveAll ? SaveAllTargetName(run.savePath, i, run.extension) : run.savePath;
        if (!yesToAll && fs.Exists(target)) {
            const OverwriteAnswer answer = run.askOverwrite(target);
            if (answer == OverwriteAnswer::No) {
                outcome.result = i == run.first ? SaveRunResult::NothingSaved : SaveRunResult::Interrupted;
                return outcome;
            }
            yesToAll = answer == OverwriteAnswer::YesToAll;
        }
        std::vector<uint8_t> bytes;
        if (run.build(source, (*run.table)[static_cast<size_t>(i)], bytes) != ImageRead::Ok) {
            outcome.result = SaveRunResult::SourceUnreadable;
            return outcome;
        }
        // Written beside the target and swapped in: a file the user agreed
        // to overwrite stays whole unless the new one is complete.
        if (!WriteNewFile(fs, target, bytes.data(), bytes.size())) {
            outcome.result = SaveRunResult::TargetNotMade;
            return outcome;
        }
        ++outcome.written;
    }
    return outcome;
}

uint64_t RoundUpTo64K(uint64_t size) { return (size + 65535) / 65536 * 65536; }

uint64_t BitmapSaveRoom(const std::vector<FoundImage>& table, int first, int last) {
    uint64_t room = 1000;
    for (int i = first; i <= last; ++i) {
        const int64_t size = BitmapFileSize(table[static_cast<size_t>(i)]);
        if (size > 0) room += RoundUpTo64K(static_cast<uint64_t>(size));
    }
    return room;
}

uint64_t IconSaveRoom(int count) { return static_cast<uint64_t>(count) * 65536; }
