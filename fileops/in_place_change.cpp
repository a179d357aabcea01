#include "fileops/in_place_change.h"

#include <algorithm>

namespace {

constexpr size_t kBlock = 32000;
constexpr size_t kPathLimit = 257;

// A free name beside `path` for the new content: path + ".~", ".~~", ...
std::string SwapPath(FileSystem& fs, const std::string& path) {
    std::string candidate = path + ".~";
    while (fs.Exists(candidate) && candidate.size() < kPathLimit) candidate += '~';
    return candidate;
}

enum class CopyStep { Ok, ReadFailed, WriteFailed };

// Copies bytes [from, to) of `source` into `sink`, block by block.
CopyStep CopyRange(ByteSource& source, int64_t from, int64_t to, ByteSink& sink) {
    std::vector<uint8_t> block(kBlock);
    while (from < to) {
        const size_t want = static_cast<size_t>(std::min<int64_t>(to - from, static_cast<int64_t>(kBlock)));
        if (source.ReadAt(from, block.data(), want) != static_cast<int64_t>(want)) return CopyStep::ReadFailed;
        if (!sink.Write(block.data(), want)) return CopyStep::WriteFailed;
        from += static_cast<int64_t>(want);
    }
    return CopyStep::Ok;
}

// Writes the new content of the file into `sink`: the backup with `bytes` in
// place at `offset`.
ChangeResult WriteNewContent(ByteSource& backup, int64_t offset, const std::vector<uint8_t>& bytes, ByteSink& sink) {
    const int64_t end = offset + static_cast<int64_t>(bytes.size());
    CopyStep step = CopyRange(backup, 0, offset, sink);
    if (step == CopyStep::Ok && !sink.Write(bytes.data(), bytes.size())) step = CopyStep::WriteFailed;
    if (step == CopyStep::Ok) step = CopyRange(backup, end, backup.Size(), sink);
    if (step == CopyStep::Ok && !sink.Finish()) step = CopyStep::WriteFailed;
    switch (step) {
        case CopyStep::Ok: return ChangeResult::Done;
        case CopyStep::ReadFailed: return ChangeResult::BackupUnreadable;
        case CopyStep::WriteFailed: break;
    }
    return ChangeResult::WriteFailed;
}

}  // namespace

ChangeResult ChangeInPlace(FileSystem& fs, const std::string& path, const std::string& backupPath, int64_t offset,
                           const std::vector<uint8_t>& bytes) {
    // The backup first: from here on the original content is kept beside the
    // file, and the file itself is only ever replaced whole.
    if (!fs.Copy(path, backupPath)) {
        fs.Remove(backupPath);  // no half-made backup stays behind
        return ChangeResult::BackupCopyFailed;
    }
    auto backup = fs.OpenRead(backupPath);
    if (backup == nullptr) {
        fs.Remove(backupPath);
        return ChangeResult::BackupUnreadable;
    }
    if (offset < 0 || offset > backup->Size() - static_cast<int64_t>(bytes.size())) {
        backup.reset();
        fs.Remove(backupPath);
        return ChangeResult::SourceUnreadable;  // the file no longer holds the image
    }

    const std::string swapPath = SwapPath(fs, path);
    ChangeResult result = ChangeResult::TargetCreateFailed;
    if (auto sink = fs.Create(swapPath)) result = WriteNewContent(*backup, offset, bytes, *sink);
    if (result == ChangeResult::Done && !fs.Replace(swapPath, path)) result = ChangeResult::SwapFailed;
    if (result == ChangeResult::Done) return result;

    fs.Remove(swapPath);
    if (result == ChangeResult::BackupUnreadable) {
        backup.reset();
        fs.Remove(backupPath);
    }
    // A swap that failed half-way may have taken the file away: restore it.
    if (result == ChangeResult::SwapFailed && !fs.Exists(path)) {
        backup.reset();
        if (!fs.Copy(backupPath, path)) return ChangeResult::RestoreFailed;
    }
    return result;
}

ChangeOutcome ChangeWithBackup(FileSystem& fs, const std::string& path, int64_t offset,
                               const std::vector<uint8_t>& bytes) {
    const BackupName backup = NextBackupName(fs, path);
    ChangeOutcome outcome;
    outcome.backupPath = backup.path;
    outcome.backupWrapped = backup.wrapped;
    outcome.result = ChangeInPlace(fs, path, backup.path, offset, bytes);
    return outcome;
}
