#include "cli/local_file_system.h"

#ifdef _WIN32
#include "frame/win32_file_system.h"
using LocalFiles = Win32FileSystem;
#else
using LocalFiles = StdFileSystem;
#endif

FileSystem& LocalFileSystem() {
    static LocalFiles files;
    return files;
}
