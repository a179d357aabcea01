#pragma once
#include "fileops/file_system.h"

// The file system imgscan reads and writes through: the C library's on POSIX,
// the Win32 one on Windows, where only it can replace a file in one step.
FileSystem& LocalFileSystem();
