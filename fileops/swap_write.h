#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "fileops/file_system.h"

// Writing the whole content of a file into a new file beside it and swapping
// that in, so that the file's name holds its old content or the new one,
// never a part of either.

// A free name beside `path` for its new content: path + ".~", ".~~", ...
// while shorter than 257 characters; empty when every such name is taken.
std::string BesidePath(FileSystem& fs, const std::string& path);

enum class SwapWrite { Done, CreateFailed, WriteFailed, SwapFailed };

// Fills the new file; false when a write (or a read feeding it) failed.
using ContentWriter = std::function<bool(ByteSink&)>;

// Creates a file beside `path`, fills it with `write`, finishes (flushes) it
// and replaces `path` with it. On any failure the file beside is removed and
// `path` is left to what FileSystem::Replace promises: nothing else is touched.
SwapWrite WriteBesideAndSwap(FileSystem& fs, const std::string& path, const ContentWriter& write);

// A whole new file at `path` (Save As: a new name, or a file the user agreed
// to overwrite). An existing file there stays as it was unless the new one is
// complete; only what this function created is ever removed.
bool WriteNewFile(FileSystem& fs, const std::string& path, const uint8_t* bytes, size_t count);
