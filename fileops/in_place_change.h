#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <functional>

#include "fileops/backup_numbering.h"
#include "fileops/byte_patch.h"
#include "fileops/file_system.h"
#include "scan/found_image.h"

// Every way a change in place can end. The file is either fully changed
// (Done) or byte-identical to what it was (RestoreFailed: its backup holds
// it). A complete backup is left from TargetCreateFailed on; a failed or
// unreadable backup is removed.
enum class ChangeResult {
    Done,
    // Refusals before anything is touched.
    NewImageUnreadable,  // the chosen .ico / .bmp cannot be opened or read
    NotABitmapFile,      // the chosen .bmp lacks "BM" or does not hold what its header promises
    DifferentStyle,      // the chosen image does not fit in the place of the old one
    SourceUnreadable,    // the changed file cannot be read, or no longer holds the image
    // The change itself.
    BackupCopyFailed,    // copying the file to the backup failed (nothing changed)
    BackupUnreadable,    // the backup cannot be read back (it is removed; nothing changed)
    TargetCreateFailed,  // the new content cannot be created beside the file (nothing changed)
    WriteFailed,         // a write of the new content failed (nothing changed)
    SwapFailed,          // putting the new content in place failed; the file is as it was
    RestoreFailed,       // the swap failed and left no file, nor could its content be put back
                         // whole: the name holds nothing, the backup holds the original
};

struct ChangeOutcome {
    ChangeResult result = ChangeResult::Done;
    std::string backupPath;  // set once the backup name was chosen
    bool backupWrapped = false;  // all 1000 backup names were in use and deleted
};

// The free space a change in place asks for, besides the guard's margin: room
// for the backup and for the new content written beside the file, each as
// large as the file.
uint64_t SpaceForChangeInPlace(int64_t fileSize);

// Replaces `bytes.size()` bytes of `path` at `offset`, keeping the file's
// length: copies the file to `backupPath` first, writes the new content
// (backup up to `offset`, `bytes`, backup after them) beside the file and
// swaps it in. The caller has chosen `backupPath` with NextBackupName.
ChangeResult ChangeInPlace(FileSystem& fs, const std::string& path, const std::string& backupPath, int64_t offset,
                           const std::vector<uint8_t>& bytes);

// The same with several patches, which must lie in the file and not overlap
// (else SourceUnreadable, nothing touched): all of them or none reach it.
ChangeResult ChangeInPlace(FileSystem& fs, const std::string& path, const std::string& backupPath,
                           std::vector<BytePatch> patches);

// NextBackupName, then ChangeInPlace: for callers without a free-space step
// between the two.
ChangeOutcome ChangeWithBackup(FileSystem& fs, const std::string& path, int64_t offset,
                               const std::vector<uint8_t>& bytes);
ChangeOutcome ChangeWithBackup(FileSystem& fs, const std::string& path, std::vector<BytePatch> patches);

// Reads the image that is to take the place of `entry`: the chosen file's
// bytes, checked against the image now in the file. Done or a refusal.
using ReplacementCheck = ChangeResult (*)(ByteSource& file, const FoundImage& entry, ByteSource& chosen,
                                          std::vector<uint8_t>& image);

// Adds what else changes with the new image (such as a PE checksum), given
// the file before the change and the patches so far. False when the file
// cannot be read (SourceUnreadable).
using MorePatches = std::function<bool(ByteSource& file, std::vector<BytePatch>& patches)>;

// Replacing an image in place: opens the chosen file and the file to change,
// asks `check` for the new image (and `more` for further patches), closes
// both, then ChangeWithBackup at the entry's header.
ChangeOutcome ReplaceWithChosenImage(FileSystem& fs, const std::string& path, const FoundImage& entry,
                                     const std::string& chosenPath, ReplacementCheck check,
                                     const MorePatches& more = nullptr);
