#include "fileops/swap_write.h"

namespace {

constexpr size_t kPathLimit = 257;

}  // namespace

std::string BesidePath(FileSystem& fs, const std::string& path) {
    std::string candidate = path + ".~";
    while (fs.Exists(candidate)) {
        if (candidate.size() >= kPathLimit) return {};  // never someone else's file
        candidate += '~';
    }
    return candidate;
}

SwapWrite WriteBesideAndSwap(FileSystem& fs, const std::string& path, const ContentWriter& write) {
    const std::string beside = BesidePath(fs, path);
    auto sink = beside.empty() ? nullptr : fs.Create(beside);
    if (sink == nullptr) return SwapWrite::CreateFailed;  // nothing was made, nothing is removed
    const bool written = write(*sink) && sink->FlushToDisk();  // on the disk before it takes the place
    const bool finished = sink->Finish();  // closed before the swap or the removal
    sink.reset();
    SwapWrite result = written && finished ? SwapWrite::Done : SwapWrite::WriteFailed;
    if (result == SwapWrite::Done && !fs.Replace(beside, path)) result = SwapWrite::SwapFailed;
    if (result != SwapWrite::Done) fs.Remove(beside);
    return result;
}

bool WriteNewFile(FileSystem& fs, const std::string& path, const uint8_t* bytes, size_t count) {
    return WriteBesideAndSwap(fs, path, [&](ByteSink& sink) { return sink.Write(bytes, count); }) ==
           SwapWrite::Done;
}
