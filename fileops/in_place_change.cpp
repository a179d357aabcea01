#include "fileops/in_place_change.h"

#include <algorithm>

#include "fileops/swap_write.h"

namespace {

constexpr size_t kBlock = 32000;

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

// Writes the new content of the file into `sink`: the backup with the
// patches (in file order, not overlapping) in place.
CopyStep WriteNewContent(ByteSource& backup, const std::vector<BytePatch>& patches, ByteSink& sink) {
    int64_t at = 0;
    for (const BytePatch& patch : patches) {
        CopyStep step = CopyRange(backup, at, patch.offset, sink);
        if (step == CopyStep::Ok && !sink.Write(patch.bytes.data(), patch.bytes.size())) step = CopyStep::WriteFailed;
        if (step != CopyStep::Ok) return step;
        at = patch.End();
    }
    return CopyRange(backup, at, backup.Size(), sink);
}

bool FitInFile(std::vector<BytePatch>& patches, int64_t size) {
    std::sort(patches.begin(), patches.end(), [](const BytePatch& a, const BytePatch& b) { return a.offset < b.offset; });
    int64_t end = 0;
    for (const BytePatch& patch : patches) {
        if (patch.offset < end || patch.offset > size - static_cast<int64_t>(patch.bytes.size())) return false;
        end = patch.End();
    }
    return true;
}

}  // namespace

uint64_t SpaceForChangeInPlace(int64_t fileSize) {
    return fileSize <= 0 ? 0 : 2 * static_cast<uint64_t>(fileSize);
}

ChangeResult ChangeInPlace(FileSystem& fs, const std::string& path, const std::string& backupPath, int64_t offset,
                           const std::vector<uint8_t>& bytes) {
    return ChangeInPlace(fs, path, backupPath, std::vector<BytePatch>{BytePatch{offset, bytes}});
}

ChangeResult ChangeInPlace(FileSystem& fs, const std::string& path, const std::string& backupPath,
                           std::vector<BytePatch> patches) {
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
    if (!FitInFile(patches, backup->Size())) {
        backup.reset();
        fs.Remove(backupPath);
        return ChangeResult::SourceUnreadable;  // the file no longer holds the image
    }

    bool backupReadFailed = false;
    const SwapWrite change = WriteBesideAndSwap(fs, path, [&](ByteSink& sink) {
        const CopyStep step = WriteNewContent(*backup, patches, sink);
        backupReadFailed = step == CopyStep::ReadFailed;
        return step == CopyStep::Ok;
    });
    switch (change) {
        case SwapWrite::Done: return ChangeResult::Done;
        case SwapWrite::CreateFailed: return ChangeResult::TargetCreateFailed;
        case SwapWrite::WriteFailed:
            if (!backupReadFailed) return ChangeResult::WriteFailed;
            backup.reset();
            fs.Remove(backupPath);
            return ChangeResult::BackupUnreadable;
        case SwapWrite::SwapFailed: break;
    }
    // A swap that failed half-way may have taken the file away. Its content
    // comes back the way a change is made, beside and then swapped in, so the
    // name never holds a part of it.
    if (fs.Exists(path)) return ChangeResult::SwapFailed;
    const SwapWrite restore = WriteBesideAndSwap(fs, path, [&](ByteSink& sink) {
        return CopyRange(*backup, 0, backup->Size(), sink) == CopyStep::Ok;
    });
    return restore == SwapWrite::Done ? ChangeResult::SwapFailed : ChangeResult::RestoreFailed;
}

ChangeOutcome ChangeWithBackup(FileSystem& fs, const std::string& path, int64_t offset,
                               const std::vector<uint8_t>& bytes) {
    return ChangeWithBackup(fs, path, std::vector<BytePatch>{BytePatch{offset, bytes}});
}

ChangeOutcome ChangeWithBackup(FileSystem& fs, const std::string& path, std::vector<BytePatch> patches) {
    const BackupName backup = NextBackupName(fs, path);
    ChangeOutcome outcome;
    outcome.backupPath = backup.path;
    outcome.backupWrapped = backup.wrapped;
    outcome.result = ChangeInPlace(fs, path, backup.path, std::move(patches));
    return outcome;
}

ChangeOutcome ReplaceWithChosenImage(FileSystem& fs, const std::string& path, const FoundImage& entry,
                                     const std::string& chosenPath, ReplacementCheck check, const MorePatches& more) {
    ChangeOutcome outcome;
    std::vector<uint8_t> image;
    std::vector<BytePatch> patches;
    {
        auto chosen = fs.OpenRead(chosenPath);
        if (chosen == nullptr) {
            outcome.result = ChangeResult::NewImageUnreadable;
            return outcome;
        }
        auto file = fs.OpenRead(path);
        if (file == nullptr) {
            outcome.result = ChangeResult::SourceUnreadable;
            return outcome;
        }
        outcome.result = check(*file, entry, *chosen, image);
        if (outcome.result != ChangeResult::Done) return outcome;
        patches.push_back(BytePatch{entry.headerOffset, std::move(image)});
        if (more && !more(*file, patches)) {
            outcome.result = ChangeResult::SourceUnreadable;
            return outcome;
        }
    }  // both closed before the file is replaced
    return ChangeWithBackup(fs, path, std::move(patches));
}
