#include "tests/unit/icon_samples.h"

IconSample::IconSample(int32_t width, int32_t height, uint16_t bitCount) {
    file.assign(100, 0);
    Place(file, 100, IconImage(width, height, bitCount));
    file.resize(file.size() + 16, 0);
    const ScanResult scan = Scan(file, SearchKind::Icons);
    if (!scan.entries.empty()) entry = scan.entries[0];
    palette = 140;
    xorBits = palette + 4 * static_cast<size_t>(entry.colorCount);
    andBits = xorBits + static_cast<size_t>(entry.imageSize - entry.maskSize);
    xorRow = bitCount == 24 ? 3 * width + width % 4 : (width * bitCount + 31) / 32 * 4;
    andRow = (width + 31) / 32 * 4;
}

void IconSample::SetAnd(int x, int y) { file[andBits + y * andRow + x / 8] |= 0x80 >> (x % 8); }

void IconSample::SetColor(int index, uint8_t r, uint8_t g, uint8_t b) {
    file[palette + 4 * index] = b;
    file[palette + 4 * index + 1] = g;
    file[palette + 4 * index + 2] = r;
}

void IconSample::SetXorByte(int y, int byte, uint8_t value) { file[xorBits + y * xorRow + byte] = value; }
