#include "fileops/byte_patch.h"

#include <algorithm>
#include <cstring>

int64_t PatchedSource::ReadAt(int64_t offset, uint8_t* out, size_t count) {
    const int64_t n = base_.ReadAt(offset, out, count);
    if (n <= 0) return n;
    for (const BytePatch& patch : patches_) {
        const int64_t from = std::max(offset, patch.offset);
        const int64_t to = std::min(offset + n, patch.End());
        if (from < to) {
            std::memcpy(out + (from - offset), patch.bytes.data() + (from - patch.offset), static_cast<size_t>(to - from));
        }
    }
    return n;
}
