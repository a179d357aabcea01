// A BMP file of random bytes read for display: the validation must refuse it
// or leave a colour table and bits that lie wholly inside the block. Painting
// is imitated by reading every byte it may read.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "imaging/dib_validation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Inputs of odd length get a true "BM" and bfSize, so that most runs
    // reach the info header.
    std::vector<uint8_t> file(data, data + size);
    if (size >= 14 && size % 2 == 1) {
        file[0] = 'B';
        file[1] = 'M';
        for (int i = 0; i < 4; ++i) file[2 + i] = static_cast<uint8_t>(size >> (8 * i));
    }
    DibFileHeader header;
    if (ReadDibFileHeader(file.data(), file.size(), header) != DibStatus::Ok) return 0;
    std::vector<uint8_t> block(file.begin() + 14, file.end());  // exactly the bytes read
    DibLayout layout;
    if (ValidateDibBlock(header, block.data(), block.size(), layout) != DibStatus::Ok) return 0;
    if (layout.bits > block.size() || layout.bitsSize > block.size() - layout.bits) std::abort();
    if (layout.colorEntries < 0) std::abort();
    unsigned sum = 0;
    const int bitCount = block[14] | block[15] << 8;
    const size_t table = bitCount <= 8 ? 4 * static_cast<size_t>(layout.colorEntries) : 0;
    for (size_t i = 0; i < table; ++i) sum += block.at(layout.colors + i);
    for (size_t i = 0; i < layout.bitsSize; ++i) sum += block[layout.bits + i];
    return static_cast<int>(sum & 0);
}
