#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fileops/in_place_change.h"
#include "texts/change_messages.h"

// The order every change in place of the inspectors follows (icon and bitmap
// replacement, palette save): for a signed PE file the question whether its
// signature may break (No: nothing changes, and nothing more is said), wait
// cursor, the program's name as the title, the free-space test (room for the
// backup and the new content), the next backup name (with the warning when
// all 1000 names were taken), then the change itself, which backs the file
// up first and leaves it either fully changed or as it was.
// A failure's message is shown here; the caller shows the image again and
// then "saved as" with `backupName`.
struct InPlaceChange {
    bool done = false;        // the file holds the new bytes
    std::string backupName;   // the backup's file name, without its folder
};

// Reads the image chosen to replace `entry` of the file at `path`: the chosen
// file's bytes, checked by `check` against the image now in the file. False
// after the refusal's message.
bool ReadReplacement(HWND window, ChangeKind kind, const std::string& path, const FoundImage& entry,
                     const char* chosenPath, ReplacementCheck check, std::vector<uint8_t>& image);

InPlaceChange ChangeFileInPlace(HWND window, ChangeKind kind, const std::string& path, int64_t fileSize,
                                int64_t offset, const std::vector<uint8_t>& bytes);
