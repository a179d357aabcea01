#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "fileops/file_system.h"
#include "imaging/image_block.h"

// The galleries' Save As and Save All: one run writes entries first to last of
// a table, each as a file of its own, asking before it overwrites a file.

// Save All's name for entry `index`: the chosen path without its last four
// characters (its extension), the index with at least three digits, then
// `extension` (".ICO"): app.ico, 7 -> app007.ICO.
std::string SaveAllTargetName(const std::string& savePath, int index, const char* extension);
// `stem`, the index with at least three digits, `extension` (also imgscan's
// extract: app000.ICO, ...).
std::string NumberedName(const std::string& stem, size_t index, const char* extension);

// The answer to "File already exists. Do you overwrite?"; a dialog that
// cannot be shown answers No (after its own message).
enum class OverwriteAnswer { No, Yes, YesToAll };

enum class SaveRunResult {
    Succeeded,         // every file of the run was written
    NothingSaved,      // No at the first file: nothing written
    Interrupted,       // No after some files were written; they stay
    SourceUnreadable,  // an image could not be read from the open file
    TargetNotMade,     // a target could not be written; it is removed, the run stops
};

struct SaveRun {
    const std::vector<FoundImage>* table = nullptr;
    int first = 0;
    int last = -1;
    bool saveAll = false;       // numbered names; else `savePath` itself
    std::string savePath;
    const char* extension = ".ICO";
    // The bytes of the file for one entry (.ico or .bmp).
    std::function<ImageRead(ByteSource&, const FoundImage&, std::vector<uint8_t>&)> build;
    // Asked for every existing target until Yes to All.
    std::function<OverwriteAnswer(const std::string& target)> askOverwrite;
};

struct SaveRunOutcome {
    SaveRunResult result = SaveRunResult::Succeeded;
    int written = 0;
};

SaveRunOutcome RunSave(FileSystem& fs, ByteSource& source, const SaveRun& run);

// The bitmap gallery's free-space figure: 1000 plus every file's size taken
// up to a whole multiple of 65536 (compared strictly with the free bytes).
uint64_t BitmapSaveRoom(const std::vector<FoundImage>& table, int first, int last);
// The icon gallery's: 65536 bytes per icon file.
uint64_t IconSaveRoom(int count);
// Rounds up to a whole multiple of 65536 (the bitmap gallery's display copy).
uint64_t RoundUpTo64K(uint64_t size);
