#include "imaging/ico_layout.h"

#include "scan/scan_rules.h"

int64_t IcoImageLength(const FoundImage& e) { return ImageBlockSize(e); }

int64_t IcoFileSize(const FoundImage& e) {
    const int64_t length = IcoImageLength(e);
    return length < 0 ? -1 : kIcoDirectorySize + length;
}

std::vector<uint8_t> IcoDirectory(const FoundImage& e, int32_t width, int32_t biHeight) {
    std::vector<uint8_t> dir(kIcoDirectorySize, 0);
    const int32_t height = biHeight / 2;
    PutU16(dir, 2, 1);  // idType: icon
    PutU16(dir, 4, 1);  // idCount
    dir[6] = static_cast<uint8_t>(width >= 0 && width < 256 ? width : 0);
    dir[7] = static_cast<uint8_t>(height >= 0 && height < 256 ? height : 0);
    dir[8] = e.bitCount == 1 ? 2 : e.bitCount == 4 ? 16 : 0;
    // bReserved, wPlanes and wBitCount stay 0.
    if (e.bitCount == 32 || e.format == ImageFormat::Png) {
        PutU16(dir, 10, 1);   // wPlanes
        PutU16(dir, 12, 32);  // wBitCount: what current Windows writes for these images
    }
    PutU32(dir, 14, static_cast<uint32_t>(IcoImageLength(e)));
    PutU32(dir, 18, kIcoDirectorySize);
    return dir;
}

ImageRead BuildIconFile(ByteSource& file, const FoundImage& e, std::vector<uint8_t>& ico) {
    std::vector<uint8_t> block;
    const ImageRead read = ReadImageBlock(file, e, block);
    if (read != ImageRead::Ok) return read;
    if (e.format == ImageFormat::Png) {
        // Stored as PNG, as current Windows reads it; its size from the IHDR.
        if (block.size() < 24) return ImageRead::Malformed;
        const auto big = [&](size_t at) {
            return static_cast<int32_t>(static_cast<uint32_t>(block[at]) << 24 | block[at + 1] << 16 | block[at + 2] << 8 | block[at + 3]);
        };
        ico = IcoDirectory(e, big(16), 2 * big(20));
    } else {
        ico = IcoDirectory(e, ReadS32(block.data() + 4), ReadS32(block.data() + 8));
    }
    ico.insert(ico.end(), block.begin(), block.end());
    return ImageRead::Ok;
}
