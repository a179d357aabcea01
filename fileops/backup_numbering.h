#pragma once
#include <string>

#include "fileops/file_system.h"

// The backup of a file changed in place: the path without its last three
// characters followed by 000 to 999, the first name that does not exist
// (APP.EXE -> APP.000, READ.ME -> READ000). When all 1000 exist they are all
// deleted and numbering starts again at 000: `wrapped` is then true and the
// caller shows the "Extension is full" warning.
struct BackupName {
    std::string path;
    int number = 0;  // 0..999
    bool wrapped = false;
};

BackupName NextBackupName(FileSystem& fs, const std::string& path);

// The part of a path after its last backslash (or slash): the name the
// "saved as" message shows.
std::string FileNamePart(const std::string& path);

// The inspectors' display copy in the temporary directory: "!_tmp_!" and the
// extension ".ic!" (icons) or ".bm!" (bitmaps); while such a file exists and
// the path is shorter than 257 characters, one more "!" goes into the name
// (!_tmp_!!.ic!, ...). A separator is put after `tempDir` only when it does
// not end with one.
enum class DisplayCopyOwner { IconInspector, BitmapInspector };
std::string DisplayCopyPath(FileSystem& fs, const std::string& tempDir, DisplayCopyOwner owner);

// The galleries' fixed temporary names "MORDEL!!.TMP" and "ZANDO!!!.TMP".
enum class GalleryOwner { IconGallery, BitmapGallery };
std::string GalleryTempPath(const std::string& tempDir, GalleryOwner owner);
