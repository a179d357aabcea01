#pragma once
#include <cstdint>
#include <vector>

#include "scan/byte_source.h"

// Bytes that take the place of others at an offset of a file.
struct BytePatch {
    int64_t offset = 0;
    std::vector<uint8_t> bytes;

    int64_t End() const { return offset + static_cast<int64_t>(bytes.size()); }
};

// A file as it reads with patches applied (they lie inside it and do not
// overlap): what a change will make of it, before it is made.
class PatchedSource : public ByteSource {
public:
    PatchedSource(ByteSource& base, const std::vector<BytePatch>& patches) : base_(base), patches_(patches) {}
    int64_t Size() const override { return base_.Size(); }
    int64_t ReadAt(int64_t offset, uint8_t* out, size_t count) override;

private:
    ByteSource& base_;
    const std::vector<BytePatch>& patches_;
};
