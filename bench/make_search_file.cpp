// Writes the file of the search benchmark: random bytes (the same for every
// run) with two bitmaps and two icons planted at a fifth, two, three and four
// fifths of its size, so that every search finds something to show.
//
//   make_search_file PATH [MIB]     (default 1024 MiB)
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

int32_t RowBytes(int32_t width, int32_t bitCount) { return (width * bitCount + 31) / 32 * 4; }

// Header, palette and bits of an uncompressed image whose palette and bits
// are filled with `fill`. `rows` is the header's height, `dataSize` its
// biSizeImage.
Bytes Image(int32_t width, int32_t rows, int32_t bitCount, int32_t dataSize, std::mt19937_64& fill) {
    const size_t palette = bitCount > 8 ? 0 : size_t{4} << bitCount;
    Bytes bytes(40 + palette + static_cast<size_t>(dataSize), 0);
    for (size_t i = 40; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(fill());
    Put32(bytes, 0, 40);
    Put32(bytes, 4, static_cast<uint32_t>(width));
    Put32(bytes, 8, static_cast<uint32_t>(rows));
    bytes[12] = 1;
    bytes[14] = static_cast<uint8_t>(bitCount);
    Put32(bytes, 20, static_cast<uint32_t>(dataSize));
    return bytes;  // no compression, no pixels per metre, full palette
}

Bytes Bitmap(int32_t width, int32_t height, int32_t bitCount, std::mt19937_64& fill) {
    const int32_t rowBytes = bitCount == 24 ? 3 * width + width % 4 : RowBytes(width, bitCount);
    return Image(width, height, bitCount, rowBytes * height, fill);
}

Bytes Icon(int32_t size, int32_t bitCount, std::mt19937_64& fill) {
    return Image(size, 2 * size, bitCount, (RowBytes(size, bitCount) + RowBytes(size, 1)) * size, fill);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: make_search_file PATH [MIB]\n");
        return 2;
    }
    const int64_t mebibytes = argc == 3 ? std::atoll(argv[2]) : 1024;
    if (mebibytes < 1 || mebibytes > 2047) {
        std::fprintf(stderr, "make_search_file: the size is 1 to 2047 MiB\n");
        return 2;
    }
    const int64_t size = mebibytes << 20;
    std::mt19937_64 rng(42);
    const Bytes planted[] = {Bitmap(64, 48, 8, rng), Icon(32, 4, rng), Bitmap(40, 30, 24, rng), Icon(16, 8, rng)};

    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 2;
    }
    Bytes block(size_t{1} << 20);
    for (int64_t start = 0; start < size; start += static_cast<int64_t>(block.size())) {
        for (size_t i = 0; i < block.size(); i += 8) {
            const uint64_t value = rng();
            for (size_t k = 0; k < 8; ++k) block[i + k] = static_cast<uint8_t>(value >> (8 * k));
        }
        // Each image starts k fifths into the file; the blocks it spans get its bytes.
        for (int k = 0; k < 4; ++k) {
            const Bytes& image = planted[k];
            const int64_t at = size / 5 * (k + 1);
            const int64_t from = std::max(at, start), to = std::min<int64_t>(at + static_cast<int64_t>(image.size()),
                                                                              start + static_cast<int64_t>(block.size()));
            if (from < to) std::copy(image.begin() + (from - at), image.begin() + (to - at), block.begin() + (from - start));
        }
        if (std::fwrite(block.data(), 1, block.size(), file) != block.size()) {
            std::perror(argv[1]);
            std::fclose(file);
            return 2;
        }
    }
    if (std::fclose(file) != 0) {
        std::perror(argv[1]);
        return 2;
    }
    return 0;
}
